#pragma once
// Every text the program shows, in code page 936 (the program's ANSI code
// page), each with its reading beside it.

namespace qd::text {

// Information messages and fatal errors.
inline constexpr char kInformationTitle[] = "\xd0\xc5\xcf\xa2\xa3\xba";  // 信息：
inline constexpr char kErrorTitle[] = "\xb4\xed\xce\xf3";                  // 错误
inline constexpr char kRuntimeError[] = "\xd4\xcb\xd0\xd0\xca\xb1\xb3\xf6\xb4\xed!";  // 运行时出错!
inline constexpr char kErrorCode[] = "\xb4\xed\xce\xf3\xb4\xfa\xc2\xeb\xa3\xba";        // 错误代码：
inline constexpr char kErrorMessage[] = "\xb4\xed\xce\xf3\xd0\xc5\xcf\xa2\xa3\xba";     // 错误信息：
// 数组成员引用下标必须大于等于1
inline constexpr char kIndexBelowOne[] =
    "\xca\xfd\xd7\xe9\xb3\xc9\xd4\xb1\xd2\xfd\xd3\xc3\xcf\xc2\xb1\xea\xb1\xd8\xd0\xeb\xb4\xf3\xd3\xda\xb5\xc8\xd3\xda"
    "1";
// 数组成员引用下标超出定义范围
inline constexpr char kIndexBeyondCount[] =
    "\xca\xfd\xd7\xe9\xb3\xc9\xd4\xb1\xd2\xfd\xd3\xc3\xcf\xc2\xb1\xea\xb3\xac\xb3\xf6\xb6\xa8\xd2\xe5\xb7\xb6\xce\xa7";
// 数据或数组类型不匹配
inline constexpr char kTypeMismatch[] = "\xca\xfd\xbe\xdd\xbb\xf2\xca\xfd\xd7\xe9\xc0\xe0\xd0\xcd\xb2\xbb\xc6\xa5\xc5\xe4";
// 无法找到指定DLL库文件“%s”中的输出命令“%s”
inline constexpr char kMissingSystemFunction[] =
    "\xce\xde\xb7\xa8\xd5\xd2\xb5\xbd\xd6\xb8\xb6\xa8" "DLL" "\xbf\xe2\xce\xc4\xbc\xfe\xa1\xb0%s\xa1\xb1\xd6\xd0\xb5\xc4"
    "\xca\xe4\xb3\xf6\xc3\xfc\xc1\xee\xa1\xb0%s\xa1\xb1";

// The workbook import.
// 请输入Excel数据文件地址。
inline constexpr char kEnterWorkbookPath[] =
    "\xc7\xeb\xca\xe4\xc8\xeb" "Excel" "\xca\xfd\xbe\xdd\xce\xc4\xbc\xfe\xb5\xd8\xd6\xb7\xa1\xa3";
inline constexpr char kDefaultWorkbookName[] = "\\\xca\xfd\xbe\xdd\xbf\xe2.xls";  // \数据库.xls
inline constexpr char kSelectAllFromSheet1[] = "SELECT * FROM [Sheet1$]";

// The name of an unknown Windows release (never shown; it only decides whether
// the message filter is opened).
inline constexpr char kOsNameFailure[] = "\xbb\xf1\xc8\xa1\xca\xa7\xb0\xdc\xa3\xac\xc7\xeb\xbc\xec\xb2\xe9\xb0\xe6\xb1\xbe:";  // 获取失败，请检查版本:

// A dropped file that is not a workbook.
inline constexpr char kDropWorkbookPlease[] = "\xc7\xeb\xcd\xcf\xc8\xeb" "excel" "\xce\xc4\xbc\xfe";  // 请拖入excel文件

// The table window.
inline constexpr char kTableWindowCaption[] = "\xb1\xed\xb6\xc1\xc8\xa1";                              // 表读取
inline constexpr char kWorkbookLabel[] = "Excel" "\xca\xfd\xbe\xdd\xce\xc4\xbc\xfe\xa3\xba";           // Excel数据文件：
inline constexpr char kBrowseButton[] = "\xe4\xaf\xc0\xc0...";                                        // 浏览...
inline constexpr char kReadButton[] = "\xb6\xc1\xc8\xa1";                                              // 读取
inline constexpr char kStartButton[] = "\xc8\xc3\xce\xd2\xc3\xc7\xcd\xe6\xb8\xf6\xd3\xce\xcf\xb7\xb0\xc9";  // 让我们玩个游戏吧
inline constexpr char kHeaderQuestion[] = "\xce\xca\xcc\xe2";                                          // 问题
inline constexpr char kHeaderAnswer[] = "\xb4\xf0\xb0\xb8";                                            // 答案
inline constexpr char kHeaderAnswer2[] = "\xb4\xf0\xb0\xb8" "2";                                       // 答案2
inline constexpr char kBrowseTitle[] = "\xca\xfd\xbe\xdd\xb1\xed\xb8\xf1\xb5\xbc\xb3\xf6" "Excel";     // 数据表格导出Excel
inline constexpr char kBrowseFilter[] = "Excel" "\xce\xc4\xbc\xfe" "|*.xls";                           // Excel文件|*.xls

// The quiz window.
inline constexpr char kQuizWindowCaption[] = "\xc8\xc3\xce\xd2\xc3\xc7\xcd\xe6\xb8\xf6\xd3\xce\xcf\xb7\xb0\xc9";  // 让我们玩个游戏吧
inline constexpr char kNextQuestionButton[] = "\xcf\xc2\xb8\xf6\xce\xca\xcc\xe2";                      // 下个问题
inline constexpr char kShowAnswerButton[] = "\xcf\xd4\xca\xbe\xb4\xf0\xb0\xb8";                        // 显示答案
inline constexpr char kAutoButton[] = "\xd7\xd4\xb6\xaf";                                                // 自动
inline constexpr char kResetRoundLabel[] = "\xd6\xd8\xd6\xc3\xd2\xbb\xc2\xd6\xce\xca\xcc\xe2";       // 重置一轮问题
inline constexpr char kSettingsLabel[] = "\xc9\xe8\xd6\xc3\xc4\xda\xc8\xdd";                           // 设置内容
inline constexpr char kRoundOver[] = "\xd2\xbb\xc2\xd6\xbd\xe1\xca\xf8\xc1\xcb\xc5\xb6!";           // 一轮结束了哦!
// 一轮问题重置完成!可以重新回答了
inline constexpr char kRoundReset[] =
    "\xd2\xbb\xc2\xd6\xce\xca\xcc\xe2\xd6\xd8\xd6\xc3\xcd\xea\xb3\xc9!\xbf\xc9\xd2\xd4\xd6\xd8\xd0\xc2\xbb\xd8"
    "\xb4\xf0\xc1\xcb";
inline constexpr char kNoSecondAnswer[] = "\xb1\xbe\xcc\xe2\xce\xde\xb4\xf0\xb0\xb8";  // 本题无答案

}  // namespace qd::text
