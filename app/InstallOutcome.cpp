#include "app/InstallOutcome.h"

namespace {

// Detail texts and row tips differ in their exclamation marks on purpose:
// the unknown error's detail line has an ASCII one, its tip a full-width one.
const InstallOutcome kInstallError = {
    L"安装错误！", false, true, false, false,
    {true, false, L"安装错误！", L"安装错误！", true}};
const InstallOutcome kSuccess = {
    L"安装成功，5秒后自动关闭窗口！", true, false, true, false,
    {false, true, L"安装完成！", L"", true}};
const InstallOutcome kNoDevice = {
    L"没有连接设备，安装失败！", false, true, false, true,
    {false, true, L"", L"没有连接设备，安装失败！", false}};
const InstallOutcome kAlreadyExists = {
    L"应用已存在，覆盖安装失败！", false, true, true, false,
    {true, false, L"应用已存在...", L"应用已存在，覆盖安装失败！", true}};
const InstallOutcome kInsufficientStorage = {
    L"SD卡不存在或存储空间不够，安装失败！", false, true, false, true,
    {false, true, L"", L"SD卡不存在或存储空间不够，安装失败！", false}};
const InstallOutcome kPackageNotFound = {
    L"无法找到Apk文件！", false, true, true, false,
    {true, false, L"无法找到Apk文...！", L"无法找到Apk文件！", true}};
const InstallOutcome kDexoptFailed = {
    L"文件损坏，安装失败！", false, true, true, false,
    {true, false, L"文件损坏，...", L"文件损坏，安装失败！", true}};
const InstallOutcome kMultipleDevices = {
    L"连接多台设备时无法安装！", false, true, false, true,
    {false, true, L"", L"连接多台设备时无法安装！", false}};
const InstallOutcome kNoSpaceLeft = {
    L"存储空间不够，安装失败！", false, true, false, true,
    {false, true, L"", L"存储空间不够，安装失败！", false}};
const InstallOutcome kInconsistentCertificates = {
    L"签名冲突，请卸载同名软件后重试！", false, true, false, false,
    {true, false, L"签名冲突，请...", L"签名冲突，请卸载同名软件后重试！", true}};
const InstallOutcome kUnknown = {
    L"安装时出现未知错误!", false, true, true, false,
    {true, false, L"安装时出现...", L"安装时出现未知错误！", true}};

}  // namespace

const InstallOutcome& OutcomeFor(std::int32_t result)
{
    switch (result) {
    case -1:
    case 5:
    case 8: return kInstallError;
    case 0: return kSuccess;
    case 1: return kNoDevice;
    case 2: return kAlreadyExists;
    case 3: return kInsufficientStorage;
    case 4: return kPackageNotFound;
    case 6: return kDexoptFailed;
    case 7: return kMultipleDevices;
    case 11: return kNoSpaceLeft;
    case 12: return kInconsistentCertificates;
    default: return kUnknown;
    }
}

const wchar_t* ListModeResultText(std::int32_t result)
{
    const InstallOutcome& o = OutcomeFor(result);
    return o.endsBatch ? o.detailText : L"";
}
