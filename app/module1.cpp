#include "module1.h"

#include "app/settings.h"
#include "exercise/form1.h"
#include "tips/frmtip.h"

namespace Module1 {

void Main()
{
    if (!Form1::Load())
        return; // another copy runs: this one has ended
    if (settings::GetIntSetting(settings::kOptions, settings::kShowTips, 1) != 0)
        frmTip::ShowModal();
    Form1::Show();
}

} // namespace Module1
