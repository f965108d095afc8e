// The message window: a title, one or two face buttons and an optional list.
#include "presentation/FenetreMess.h"

#include "presentation/Screens.h"

#include <memory>

#include <QAction>
#include <QEvent>
#include <QListWidget>
#include <QMenu>
#include <QPalette>

TFormFenetre::TFormFenetre(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setFixedSize(527, 392);
    setModal(true);
    QPalette yellow = palette();
    yellow.setColor(QPalette::Window, Qt::yellow);
    setPalette(yellow);
    setAutoFillBackground(true);
    presentation::SetOpacity(this, 245);

    Panel = new QFrame(this);
    Panel->setGeometry(0, 0, 527, 392);
    Panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel->setLineWidth(6);

    Image1 = new QLabel(Panel);
    Image1->setGeometry(12, 12, 503, 370);
    BuildTitle();
    BuildList();
    BuildButtons();
}

void TFormFenetre::BuildTitle()
{
    QFont title(QStringLiteral("CHOW FUN"));
    title.setPixelSize(16);
    title.setBold(true);
    Label1 = new QLabel(Panel);
    Label2 = new QLabel(Panel);
    // The red title lies one pixel right of and above its black copy, which shows as a shadow.
    Label1->move(40, 56);
    Label2->move(41, 55);
    for (QLabel* label : {Label1, Label2}) {
        label->setFont(title);
        label->setAttribute(Qt::WA_TranslucentBackground);
        label->setFixedWidth(440);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(true); // a message longer than the title's width goes on below
    }
    Label1->setStyleSheet(QStringLiteral("color: black; background: transparent;"));
    Label2->setStyleSheet(QStringLiteral("color: red; background: transparent;"));
}

void TFormFenetre::BuildList()
{
    // The list's sunken well: under the list, and only while the list is shown, so that a notice
    // or a question without a list shows no empty frame.
    ListWell = new QFrame(Panel);
    ListWell->setObjectName(QStringLiteral("ListWell"));
    ListWell->setGeometry(15, 100, 494, 169);
    ListWell->setStyleSheet(QStringLiteral("#ListWell { background: rgb(250, 240, 218);"
                                           " border: 2px solid rgb(150, 110, 70);"
                                           " border-radius: 6px; }"));
    ListWell->hide();

    ListBox1 = new QListWidget(Panel);
    ListBox1->setGeometry(19, 104, 486, 161);
    ListBox1->setFrameShape(QFrame::NoFrame);
    QFont listFont(QStringLiteral("Arial Black"));
    listFont.setPixelSize(11);
    listFont.setItalic(true);
    ListBox1->setFont(listFont);
    ListBox1->setUniformItemSizes(true);
    ListBox1->setStyleSheet(QStringLiteral("QListWidget { background: rgb(255, 251, 240); }"
                                           "QListWidget::item { height: 15px; }"));
    ListBox1->hide();
    ListBox1->installEventFilter(this);
    ListBox1->setContextMenuPolicy(Qt::CustomContextMenu);
    PopupMenu1 = new QMenu(this);
    Effacer = PopupMenu1->addAction(QStringLiteral("Effacer"));
    connect(Effacer, &QAction::triggered, this, [this] { EffacerClick(); });
    connect(ListBox1, &QWidget::customContextMenuRequested, this, &TFormFenetre::ShowListMenu);
}

void TFormFenetre::BuildButtons()
{
    // The button bar: 73 pixels before the first button, 78 between the two.
    ToolButton1 = new presentation::FaceButton(Panel);
    ToolButton2 = new presentation::FaceButton(Panel);
    ToolButton1->setGeometry(73, 300, 147, 55);
    ToolButton2->setGeometry(73 + 147 + 78, 300, 147, 55);
    connect(ToolButton1, &QAbstractButton::clicked, this, &TFormFenetre::SpeedButton1Click);
    connect(ToolButton2, &QAbstractButton::clicked, this, &TFormFenetre::SpeedButton2Click);
}

int TFormFenetre::ShowFenetre(const QString& question, const QString& first, const QString& second)
{
    BoutonChoisi = 0;
    SetQuestion(question);
    ToolButton1->setEnabled(!first.isEmpty());
    ToolButton1->setText(first);
    ToolButton1->setAccessibleName(first);
    ToolButton2->setVisible(!second.isEmpty());
    ToolButton2->setText(second);
    ToolButton2->setAccessibleName(second);
    if (parentWidget() != nullptr && parentWidget()->isVisible()) {
        const QWidget* owner = parentWidget()->window();
        move(owner->geometry().center() - rect().center());
    }
    exec();
    return BoutonChoisi;
}

void TFormFenetre::ShowList(const QString& kind)
{
    setWindowTitle(kind);
    ListBox1->clear();
    ListBox1->show();
}

std::optional<QString> TFormFenetre::ChooseLine(const QString& question,
                                                const QString& first,
                                                const QString& second)
{
    const int answer = ShowFenetre(question, first, second);
    const QList<QListWidgetItem*> selected = ListBox1->selectedItems();
    if (answer == 2 || selected.isEmpty())
        return std::nullopt;
    return LineOf(ListBox1->row(selected.first()));
}

void TFormFenetre::SetQuestion(const QString& question)
{
    for (QLabel* label : {Label1, Label2}) {
        label->setText(question);
        label->adjustSize();
    }
}

void TFormFenetre::AddListEntry(const QString& text, const QString& line)
{
    auto* item = new QListWidgetItem(text, ListBox1);
    item->setData(Qt::UserRole, line);
}

QString TFormFenetre::LineOf(int row) const
{
    const QListWidgetItem* item = ListBox1->item(row);
    if (item == nullptr)
        return {};
    const QVariant line = item->data(Qt::UserRole);
    return line.isValid() ? line.toString() : item->text();
}

void TFormFenetre::SetButtonFaces(const std::array<QImage, 3>& first,
                                  const std::array<QImage, 3>& second)
{
    ToolButton1->SetFaces(first[0], first[1], first[2]);
    ToolButton2->SetFaces(second[0], second[1], second[2]);
}

void TFormFenetre::SetPicture(const QImage& picture)
{
    Image1->setPixmap(QPixmap::fromImage(picture));
}

void TFormFenetre::SetTitleFont(const QString& family)
{
    for (QLabel* label : {Label1, Label2}) {
        QFont font = label->font();
        font.setFamily(family);
        label->setFont(font);
    }
}

QString TFormFenetre::UseTitleFont(const QString& path)
{
    const QString family = QStringLiteral("CHOW FUN");
    const bool installed = presentation::InstallFont(path, family);
    SetTitleFont(family);
    return installed ? QString() : QStringLiteral("Police manquante ou illisible :\n") + path;
}

bool TFormFenetre::DeleteOffered(const QString& kind)
{
    return kind == QLatin1String("scores") || kind == QLatin1String("charge");
}

void TFormFenetre::EffacerClick()
{
    const QString kind = windowTitle();
    if (!DeleteOffered(kind))
        return;
    // The selection, not the current row: the list gets a current row as soon as it has the
    // focus, even when the player picked nothing.
    const QList<QListWidgetItem*> selected = ListBox1->selectedItems();
    if (selected.isEmpty())
        return;
    const int index = ListBox1->row(selected.first());
    // When the line has gone from the file, the callback may fill the list again: nothing more.
    if (EnleveLigne && !EnleveLigne(kind, LineOf(index)))
        return;
    std::unique_ptr<QListWidgetItem>(ListBox1->takeItem(index));
}

void TFormFenetre::SpeedButton1Click()
{
    BoutonChoisi = 1;
    done(QDialog::Accepted);
}

void TFormFenetre::SpeedButton2Click()
{
    BoutonChoisi = 2;
    done(QDialog::Rejected);
}

void TFormFenetre::reject()
{
    // Escape: the second button is always the one that declines; without it the window stays.
    if (!ToolButton2->isHidden())
        SpeedButton2Click();
}

bool TFormFenetre::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ListBox1 && (event->type() == QEvent::Show || event->type() == QEvent::Hide))
        ListWell->setVisible(!ListBox1->isHidden());
    return QDialog::eventFilter(watched, event);
}

void TFormFenetre::ShowListMenu(const QPoint& position)
{
    if (!DeleteOffered(windowTitle()) || ListBox1->itemAt(position) == nullptr)
        return;
    PopupMenu1->popup(ListBox1->viewport()->mapToGlobal(position));
}
