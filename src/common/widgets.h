#pragma once
// Small widgets and helpers shared by the screens.

#include <QColor>
#include <QLabel>
#include <QString>
#include <QStringView>

class QWidget;

// Screen geometry is designed in twips (1440 to the inch); at 96 dots per
// inch 15 twips make one pixel.
constexpr int twips(int t) { return t / 15; }
constexpr int toTwips(int px) { return px * 15; }

// A picture that shows an image and reports a click.
class Picture : public QLabel
{
    Q_OBJECT
public:
    explicit Picture(const QString &objectName, QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};

// A simple drawn logo: a rounded badge of the given size with a short text.
QPixmap makeLogo(int width, int height, const QString &text, const QColor &colour = QColor(0, 51, 153));

// Background colour of a frame (group box), painted by the palette.
void setBackground(QWidget *widget, const QColor &colour);
// Text colour of a text box or label.
void setTextColour(QWidget *widget, const QColor &colour);

// The object name of element `index` of a control array: "Name_index".
inline QString indexedName(QStringView base, int index)
{
    return base.toString() + u'_' + QString::number(index);
}

// Finds the child control with the given object name (Name or Name_index).
template <typename T> T *control(QWidget *screen, const QString &name)
{
    return screen->findChild<T *>(name);
}
