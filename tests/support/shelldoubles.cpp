#include "shelldoubles.h"

#include "platform/commondialog.h"
#include "platform/messagebox.h"
#include "platform/mmcontrol.h"
#include "platform/twips.h"
#include "reports/wordprocessor.h"

void useShellDoubles(bool on) {
    MessageBox::useDouble(on);
    CommonDialog::useDouble(on);
    WordApplication::useDouble(on);
    MMControl::useDouble(on);
    if (!on) Twips::setScreenForTesting(std::nullopt);
}
