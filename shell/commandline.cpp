#include "shell/commandline.h"

#include "services/datadirectory.h"

#include <QDir>
#include <QString>

#include <cstring>

using namespace Qt::StringLiterals;

namespace abacolo {

namespace {

void print(std::FILE *out, const QString &text)
{
    std::fputs(text.toUtf8().constData(), out);
}

QString helpText()
{
    const DataFolders folders = dataFolders();
    const QString progress = folders.installed
        ? QDir::toNativeSeparators(folders.userData)
            + u"\n  （即 $XDG_DATA_HOME/abacolo，通常是 ~/.local/share/abacolo；每位用户各有一份）\n"
              "删除其中的表格文件即可把它重置，程序下次启动时会重新建立。\n"_s
        : u"当前文件夹（从构建目录运行时，它就是程序的数据文件夹）。\n"_s;
    return u"用法：abacolo [选项]\n"
           "Abacolo 数学乐园：家长和学龄前孩子一起练习数数、加减法和算术题。\n"
           "\n"
           "选项：\n"
           "  -h, --help     显示这段说明后退出\n"
           "  -v, --version  显示版本号后退出\n"
           "\n"
           "孩子的进度（计数、上一张算术题、统计数字）保存在：\n  "_s
        + progress
        + u"\n"
          "窗口按 1024 × 768 设计：能切换到这个分辨率时程序会切换；不能切换时（Wayland、"
          "没有这个模式的显示器）整个界面按比例放大并居中。在 Wayland 上程序使用 XWayland，"
          "除非设置了 QT_QPA_PLATFORM。\n"_s;
}

} // namespace

std::optional<int> answerCommandLine(int argc, const char *const *argv, std::FILE *out)
{
    for (int i = 1; i < argc; ++i) {
        const char *argument = argv[i];
        if (std::strcmp(argument, "--help") == 0 || std::strcmp(argument, "-h") == 0) {
            print(out, helpText());
            return 0;
        }
        if (std::strcmp(argument, "--version") == 0 || std::strcmp(argument, "-v") == 0) {
            print(out, u"Abacolo "_s + QStringLiteral(ABACOLO_VERSION) + u'\n');
            return 0;
        }
    }
    return std::nullopt;
}

} // namespace abacolo
