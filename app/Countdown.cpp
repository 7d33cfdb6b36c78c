#include "app/Countdown.h"

Countdown::Step Countdown::Tick()
{
    if (packageAdded_) {
        count_ = 5;
        packageAdded_ = false;
        return Step::Cancelled;
    }
    if (count_ < 0)
        return Step::Close;
    text_ = L"安装成功，" + std::to_wstring(count_) + L"秒后自动关闭窗口!";
    --count_;
    return Step::Show;
}
