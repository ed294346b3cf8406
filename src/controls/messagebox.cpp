#include "controls/messagebox.h"

#include <QMessageBox>

namespace {

class WidgetBackend : public MessageBox::Backend
{
public:
    void show(
        QWidget *parent, const QString &text, MessageBox::Icon icon, const QString &title) override
    {
        QMessageBox box(parent);
        box.setWindowTitle(title);
        box.setText(text);
        switch (icon) {
        case MessageBox::Icon::Critical:
            box.setIcon(QMessageBox::Critical);
            break;
        case MessageBox::Icon::Question:
            box.setIcon(QMessageBox::Question);
            break;
        case MessageBox::Icon::Exclamation:
            box.setIcon(QMessageBox::Warning);
            break;
        case MessageBox::Icon::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case MessageBox::Icon::None:
            break;
        }
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
    }
};

WidgetBackend g_widgetBackend;
MessageBox::Backend *g_backend = &g_widgetBackend;

} // namespace

void MessageBox::show(QWidget *parent, const QString &text, Icon icon, const QString &title)
{
    g_backend->show(parent, text, icon, title);
}

void MessageBox::setBackend(Backend *backend) { g_backend = backend ? backend : &g_widgetBackend; }
