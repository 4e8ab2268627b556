#pragma once
// Fatal errors: the checks on the program's own invariants (array
// positions, the kind of a grid value) and on system functions it binds
// itself. A fatal error shows its box and ends the process at once with
// exit code -1, without the exit routine.
#include <string>

namespace qd {

enum FatalErrorCode : int {
  kNoErrorCode = 0,           // a missing system function has no code
  kIndexBeyondCount = 1,      // 数组成员引用下标超出定义范围
  kIndexBelowOne = 4,         // 数组成员引用下标必须大于等于1
  kTypeMismatch = 5,          // 数据或数组类型不匹配
};

// The text of the fatal-error box: "运行时出错!", then after an empty line
// "错误代码：" and the code (when there is one), then after an empty line
// "错误信息：" and the message.
std::string fatalErrorText(int code, const std::string& message);

// The message for a system function that cannot be bound:
// "无法找到指定DLL库文件“library”中的输出命令“function”".
std::string missingSystemFunctionMessage(const std::string& library, const std::string& function);

// Where fatal errors go: the Windows shell shows the box and ends the
// process; tests record them. A handler must not return.
class FatalErrorHandler {
 public:
  virtual ~FatalErrorHandler() = default;
  virtual void stop(int code, const std::string& message) = 0;
};

void setFatalErrorHandler(FatalErrorHandler* handler);

[[noreturn]] void raiseFatalError(int code, const std::string& message);

}  // namespace qd
