// The window's own small controls: face buttons, picture buttons, arrow-driven choice boxes,
// the five-panel status bar and the board surface.
#include "presentation/Widgets.h"

#include <algorithm>

#include <QFontMetrics>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>

namespace presentation {

FaceButton::FaceButton(QWidget* parent)
    : QAbstractButton(parent)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
    setFixedWidth(147);
    setMinimumHeight(49);
    setMaximumHeight(55);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
}

void FaceButton::SetFaces(const QImage& normal, const QImage& hot, const QImage& disabled)
{
    m_faces = {QPixmap::fromImage(normal), QPixmap::fromImage(hot), QPixmap::fromImage(disabled)};
    update();
}

FaceButton::Face FaceButton::ShownFace() const
{
    if (!isEnabled())
        return Face::Disabled;
    return m_hot ? Face::Hot : Face::Normal;
}

void FaceButton::enterEvent(QEnterEvent* event)
{
    m_hot = true;
    update();
    QAbstractButton::enterEvent(event);
}

void FaceButton::hideEvent(QHideEvent* event)
{
    // A button hidden under the pointer (its menu left the screen) comes back in its normal face.
    m_hot = false;
    QAbstractButton::hideEvent(event);
}

void FaceButton::leaveEvent(QEvent* event)
{
    m_hot = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void FaceButton::paintEvent(QPaintEvent*)
{
    const QPixmap& face = FacePixmap(ShownFace());
    if (face.isNull())
        return;
    QPainter painter(this);
    const QSize size = face.deviceIndependentSize().toSize();
    painter.drawPixmap((width() - size.width()) / 2, (height() - size.height()) / 2, face);
}

PictureButton::PictureButton(QWidget* parent)
    : QLabel(parent)
{
    setCursor(Qt::PointingHandCursor);
}

void PictureButton::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton
        && rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click)
        emit clicked();
}

ChoiceBox::ChoiceBox(QWidget* parent)
    : QComboBox(parent)
{
    setEditable(true);
    lineEdit()->setReadOnly(true);
    setFocusPolicy(Qt::NoFocus);
    lineEdit()->setFocusPolicy(Qt::NoFocus);
    setInsertPolicy(QComboBox::NoInsert);
    // No drop-down button: the box opens no list.
    setStyleSheet(QStringLiteral(
        "QComboBox { border: 1px solid #7a7a7a; background: white; padding: 0px 2px; }"
        "QComboBox::drop-down { subcontrol-origin: padding; subcontrol-position: top right;"
        " width: 0px; border: none; }"
        "QComboBox::down-arrow { image: none; width: 0px; height: 0px; }"));
}

void ChoiceBox::SetText(const QString& text)
{
    const int index = findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0)
        setCurrentIndex(index);
    setEditText(text);
}

void ChoiceBox::SetChoices(const QStringList& choices)
{
    clear();
    addItems(choices);
    SetText(choices.value(0));
}

QStringList ChoiceBox::Items() const
{
    QStringList items;
    for (int i = 0; i < count(); ++i)
        items.append(itemText(i));
    return items;
}

QString FittedText(const QString& text, const QFontMetrics& metrics, int width)
{
    if (metrics.horizontalAdvance(text) <= width)
        return text;
    const qsizetype path = text.indexOf(u'/');
    if (path < 0)
        return metrics.elidedText(text, Qt::ElideRight, width);
    const QString head = text.left(path);
    return head
        + metrics.elidedText(text.mid(path), Qt::ElideMiddle,
                             std::max(0, width - metrics.horizontalAdvance(head)));
}

StatusPanels::StatusPanels(QWidget* parent)
    : QFrame(parent)
{
    constexpr std::array<int, 4> widths{100, 250, 100, 0};
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 0, 2, 0);
    layout->setSpacing(2);
    for (std::size_t i = 0; i < m_panels.size(); ++i) {
        m_panels[i] = new QLabel(this);
        m_panels[i]->setFrameShape(QFrame::Panel);
        m_panels[i]->setFrameShadow(QFrame::Sunken);
        m_panels[i]->setIndent(2);
        if (i < widths.size()) {
            m_panels[i]->setFixedWidth(widths[i]);
            m_panels[i]->setVisible(widths[i] > 0);
        } else {
            // Any text fits once shortened: a long message never widens its panel.
            m_panels[i]->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        }
        layout->addWidget(m_panels[i], i < widths.size() ? 0 : 1);
    }
    setAutoFillBackground(true);
}

void StatusPanels::SetPanelText(int panel, const QString& text)
{
    Q_ASSERT(panel >= 0 && panel < 5);
    m_texts[static_cast<std::size_t>(panel)] = text;
    ShowFitted(panel);
}

QString StatusPanels::PanelText(int panel) const
{
    Q_ASSERT(panel >= 0 && panel < 5);
    return m_texts[static_cast<std::size_t>(panel)];
}

QString StatusPanels::ShownText(int panel) const
{
    Q_ASSERT(panel >= 0 && panel < 5);
    return m_panels[static_cast<std::size_t>(panel)]->text();
}

int StatusPanels::TextWidth(int panel) const
{
    const QLabel* label = m_panels[static_cast<std::size_t>(panel)];
    return label->contentsRect().width() - label->indent() - 2 * label->margin();
}

void StatusPanels::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    // The panels get their widths from the layout first.
    layout()->activate();
    for (int panel = 0; panel < 5; ++panel)
        ShowFitted(panel);
}

void StatusPanels::ShowFitted(int panel)
{
    QLabel* label = m_panels[static_cast<std::size_t>(panel)];
    const QString& text = m_texts[static_cast<std::size_t>(panel)];
    const QString shown = FittedText(text, label->fontMetrics(), TextWidth(panel));
    label->setText(shown);
    label->setToolTip(shown == text ? QString() : text);
}

ScaledView::ScaledView(QSize sceneSize, QWidget* parent)
    : QGraphicsView(parent)
    , m_sceneSize(sceneSize)
{
    setScene(new QGraphicsScene(QRectF(QPointF(0, 0), sceneSize), this));
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setBackgroundBrush(Qt::black);
    setAlignment(Qt::AlignCenter);
    setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform
                   | QPainter::TextAntialiasing);
}

void ScaledView::Show(QWidget* widget)
{
    Q_ASSERT(m_proxy == nullptr);
    widget->setParent(nullptr);
    m_proxy = scene()->addWidget(widget);
}

QWidget* ScaledView::Release()
{
    Q_ASSERT(m_proxy != nullptr);
    QWidget* widget = m_proxy->widget();
    m_proxy->setWidget(nullptr);
    scene()->removeItem(m_proxy);
    m_proxy->deleteLater();
    m_proxy = nullptr;
    return widget;
}

void ScaledView::resizeEvent(QResizeEvent* event)
{
    QGraphicsView::resizeEvent(event);
    const QSize room = viewport()->size();
    const qreal scale = std::min(static_cast<qreal>(room.width()) / m_sceneSize.width(),
                                 static_cast<qreal>(room.height()) / m_sceneSize.height());
    setTransform(QTransform::fromScale(scale, scale));
}

BoardSurface::BoardSurface(const QImage& surface, QWidget* parent)
    : QWidget(parent)
    , m_surface(surface)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BoardSurface::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.setClipRect(event->rect());
    // The surface may carry a device pixel ratio: drawn at the origin it keeps its logical size.
    painter.drawImage(QPointF(0, 0), m_surface);
}

void BoardSurface::mousePressEvent(QMouseEvent* event)
{
    emit MousePressed(event->button(), event->position().toPoint());
}

void BoardSurface::mouseMoveEvent(QMouseEvent* event)
{
    emit MouseMoved(event->position().toPoint());
}

void BoardSurface::mouseReleaseEvent(QMouseEvent* event)
{
    emit MouseReleased(event->button(), event->position().toPoint());
}

} // namespace presentation
