#include "core/program_texts.h"

namespace zbw::texts {

const char kProgramTitle[] = "钟摆屋";
const char kInformationTitle[] = "信息：";
const char kErrorTitle[] = "错误";
const char kNowTimeLabel[] = "现在时间： ";
const char kSetTimeLabel[] = "设定时间：";
const char kSetTimeUnits[] = "  时       分       秒";
const char kHourUnit[] = "时";
const char kMinuteUnit[] = "分";
const char kSecondUnit[] = "秒";
const char kShutDownChoice[] = "关机";
const char kRestartChoice[] = "重启";
const char kRunProgramChoice[] = "运行程序";
const char kSetButton[] = "设定";
const char kProgramPathLabel[] = "程序路径";
const char kBrowseButton[] = "浏览";
const char kSongTypeface[] = "宋体";

const char kChooseProgram[] = "请选择程序";
const char kArmedPrefix[] = "设定成功！您的电脑将在 ";
const char kArmedShutDown[] = "秒 关机";
const char kArmedRestart[] = "秒 重启";
const char kArmedRun[] = "秒执行 ";

const char kRuntimeError[] = "运行时出错!";
const char kErrorCodeLabel[] = "错误代码：";
const char kErrorMessageLabel[] = "错误信息：";
const char kAllocationFailedFormat[] = "分配 %d 字节内存失败!";
const char kLoadStartWindowFailed[] = "载入启动窗口失败";
const char kLoadWindowTemplateFailed[] = "载入窗口模板数据段出错!";
const char kEventWindowNotFound[] = "未找到引发事件的窗口";
const char kEventControlNotFound[] = "未找到引发事件的窗口组件";
const char kEventControlInvalid[] = "引发事件的窗口组件无效";
const char kAccessedWindowNotLoaded[] = "未载入欲访问窗口组件所在的窗口";
const char kWindowMissingOrNotLoaded[] = "指定窗口或窗口组件不存在或尚未载入";

const char kEnterHour[] = "请输入时！";
const char kEnterMinute[] = "请输入分！";
const char kEnterSecond[] = "请输入秒！";
const char kChooseCommand[] = "请选择要执行的命令！";
const char kChooseProgramPath[] = "请选择要执行程序的路径！";

} // namespace zbw::texts
