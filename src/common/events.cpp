#include "common/events.h"

namespace ev {
namespace {
class FocusLostFilter : public QObject
{
public:
    FocusLostFilter(QObject *parent, std::function<void()> handler)
        : QObject(parent), m_handler(std::move(handler)) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::FocusOut)
            m_handler();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_handler;
};
} // namespace

void onFocusLost(QWidget *widget, std::function<void()> handler)
{
    widget->installEventFilter(new FocusLostFilter(widget, std::move(handler)));
}

void choose(QComboBox *combo, int index)
{
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

} // namespace ev
