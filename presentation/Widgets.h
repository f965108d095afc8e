// The window's own small controls: face buttons, picture buttons, arrow-driven choice boxes,
// the five-panel status bar and the board surface.
#pragma once

#include <array>

#include <QAbstractButton>
#include <QComboBox>
#include <QFrame>
#include <QGraphicsView>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QWidget>

class QFontMetrics;
class QGraphicsProxyWidget;
class QMouseEvent;

namespace presentation {

// A button drawn entirely by its face picture: the normal face, the hot face while the pointer
// is over it, the disabled face while disabled. It has a hand cursor and no caption text; its
// caption only serves the accessible name.
class FaceButton : public QAbstractButton
{
    Q_OBJECT

public:
    enum class Face { Normal = 0, Hot = 1, Disabled = 2 };

    explicit FaceButton(QWidget* parent = nullptr);

    void SetFaces(const QImage& normal, const QImage& hot, const QImage& disabled);
    // The face that painting shows now.
    [[nodiscard]] Face ShownFace() const;
    [[nodiscard]] const QPixmap& FacePixmap(Face face) const
    {
        return m_faces[static_cast<int>(face)];
    }

    [[nodiscard]] QSize sizeHint() const override { return {147, 55}; }
    [[nodiscard]] QSize minimumSizeHint() const override { return {147, 49}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    std::array<QPixmap, 3> m_faces;
    bool m_hot = false; // the pointer is over the button
};

// A picture that acts as a button: clicked() on a left release over it; hand cursor.
class PictureButton : public QLabel
{
    Q_OBJECT

public:
    explicit PictureButton(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_pressed = false;
};

// A choice box that only its arrows change: it shows any text, even one that is not among its
// items (a text stored under another language file), and opens no list of its own.
class ChoiceBox : public QComboBox
{
    Q_OBJECT

public:
    explicit ChoiceBox(QWidget* parent = nullptr);

    [[nodiscard]] QString Text() const { return currentText(); }
    void SetText(const QString& text);
    // Offers the choices from first to last and shows the first.
    void SetChoices(const QStringList& choices);
    [[nodiscard]] QStringList Items() const;
    void showPopup() override {}
};

// The text shown for a message in width pixels: the whole text when it fits; otherwise a file
// path (from the first "/" to the end) is shortened in its middle, and any other text at its end.
[[nodiscard]] QString FittedText(const QString& text, const QFontMetrics& metrics, int width);

// The status bar: five panels side by side, widths 100, 250, 100, 0, and the messages' panel,
// which takes all the width left. A text too long for its panel is shortened (FittedText) and
// shown whole in the panel's tool tip.
class StatusPanels : public QFrame
{
    Q_OBJECT

public:
    explicit StatusPanels(QWidget* parent = nullptr);

    void SetPanelText(int panel, const QString& text);
    // The text as set, and as the panel shows it.
    [[nodiscard]] QString PanelText(int panel) const;
    [[nodiscard]] QString ShownText(int panel) const;
    // The width a panel's text may take.
    [[nodiscard]] int TextWidth(int panel) const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void ShowFitted(int panel);

    std::array<QLabel*, 5> m_panels{};
    std::array<QString, 5> m_texts;
};

// Shows the play surface unscaled and reports the mouse on it in its own coordinates.
class BoardSurface : public QWidget
{
    Q_OBJECT

public:
    BoardSurface(const QImage& surface, QWidget* parent);

signals:
    void MousePressed(Qt::MouseButton button, QPoint position);
    void MouseMoved(QPoint position);
    void MouseReleased(Qt::MouseButton button, QPoint position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const QImage& m_surface;
};

// Shows a scene of a fixed size at the largest scale that fits the view, aspect kept, centred on
// black, with smooth scaling of pictures. Input reaches the scene's items in their own
// coordinates, so the widgets shown through it act where they are drawn at any scale.
class ScaledView : public QGraphicsView
{
    Q_OBJECT

public:
    ScaledView(QSize sceneSize, QWidget* parent);

    [[nodiscard]] qreal Scale() const { return transform().m11(); }
    [[nodiscard]] bool Shows() const { return m_proxy != nullptr; }

    // Shows widget through the view; a widget shown through a view has no parent of its own.
    void Show(QWidget* widget);
    // Stops showing the widget and hands it back, without a parent.
    QWidget* Release();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QSize m_sceneSize;
    QGraphicsProxyWidget* m_proxy = nullptr; // owned by the scene
};

} // namespace presentation
