#pragma once

#include "platform/clipboard.h"

// The clipboard through Qt, which serves it on X11 and on Wayland alike.
class SystemClipboard : public Clipboard
{
public:
    void clear() override;
    void setText(const QString &text) override;
    QString text() const override;
    void setImage(const QImage &image) override;
    QImage image() const override;
    void whenReplaced(QObject *context, std::function<void()> replaced) override;
};
