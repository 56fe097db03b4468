#include "shelldoubles.h"

#include "reports/wordprocessor.h"
#include "shell/commondialog.h"
#include "shell/messagebox.h"
#include "shell/mmcontrol.h"
#include "shell/twips.h"

void useShellDoubles(bool on) {
    MessageBox::useDouble(on);
    CommonDialog::useDouble(on);
    WordApplication::useDouble(on);
    MMControl::useDouble(on);
    if (!on) Twips::setScreenForTesting(std::nullopt);
}
