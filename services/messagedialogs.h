#pragma once

#include "services/services.h"

namespace abacolo {

// Message boxes on the screen, over the active window.
class MessageDialogs : public Dialogs
{
public:
    void showError(const QString &text) override;
    Answer ask(const QString &caption, const QString &text) override;
    void tell(const QString &caption, const QString &text) override;
    void warn(const QString &caption, const QString &text) override;
};

} // namespace abacolo
