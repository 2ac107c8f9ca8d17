#include "worksheets/worksheetcommand.h"

#include "worksheets/curriculum.h"
#include "worksheets/sheetpainter.h"
#include "worksheets/worksheet.h"

#include <QGuiApplication>
#include <QRandomGenerator>
#include <QStringList>
#include <cstdio>
#include <cstring>

using namespace Qt::StringLiterals;

namespace abacolo {

namespace {

constexpr int Wrong = 2;
constexpr int NotWritten = 1;

void write(std::FILE *stream, const QString &text)
{
    const QByteArray bytes = (text + u"\n"_s).toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
}

QString entryLine(int index)
{
    const CurriculumEntry &entry = curriculum().at(index);
    return QString::number(index + 1) + u"\t"_s + entry.tab + u"\t"_s + entry.group + u"\t"_s + entry.caption;
}

int fail(const QString &message, int code = Wrong)
{
    write(stderr, message);
    return code;
}

int writeSheet(const QStringList &args)
{
    QString wanted;
    QString tab;
    QString group;
    QString file;
    QString seedText;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString &option = args.at(i);
        QString *value = option == u"--worksheet"_s ? &wanted
                       : option == u"--tab"_s       ? &tab
                       : option == u"--group"_s     ? &group
                       : option == u"--pdf"_s       ? &file
                       : option == u"--seed"_s      ? &seedText
                                                    : nullptr;
        if (!value)
            return fail(u"不认识的参数：%1"_s.arg(option));
        if (i + 1 >= args.size())
            return fail(u"参数 %1 后面缺少内容。"_s.arg(option));
        *value = args.at(++i);
    }
    if (wanted.trimmed().isEmpty())
        return fail(u"请用 --worksheet 给出练习的序号或名称（序号见 --list-worksheets）。"_s);
    if (file.isEmpty())
        return fail(u"请用 --pdf 给出要写入的 PDF 文件名。"_s);
    quint32 seed = QRandomGenerator::global()->bounded(1000000u);
    if (!seedText.isEmpty()) {
        bool ok = false;
        seed = seedText.toUInt(&ok);
        if (!ok)
            return fail(u"套号必须是 0 到 4294967295 之间的整数：%1"_s.arg(seedText));
    }

    const EntryLookup found = findEntry(wanted, tab, group);
    if (!found.index) {
        if (found.candidates.isEmpty())
            return fail(u"没有这个练习：%1（所有练习见 --list-worksheets）"_s.arg(wanted));
        QStringList lines{u"练习“%1”有 %2 处，请用序号或 --tab、--group 指明是哪一个："_s.arg(wanted).arg(found.candidates.size())};
        for (int candidate : found.candidates)
            lines.append(entryLine(candidate));
        return fail(lines.join(u"\n"_s));
    }

    QString error;
    if (!saveWorksheetPdf(makeWorksheet(curriculum().at(*found.index), seed), file, &error))
        return fail(error, NotWritten);
    return 0;
}

} // namespace

bool isWorksheetCommand(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--list-worksheets") == 0 || std::strcmp(argv[i], "--worksheet") == 0)
            return true;
    }
    return false;
}

int runWorksheetCommand(int argc, char **argv)
{
    // Sheets need fonts and a paint device, never a screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.contains(u"--list-worksheets"_s)) {
        if (args.size() != 2)
            return fail(u"--list-worksheets 不带其他参数。"_s);
        for (int i = 0; i < curriculum().size(); ++i)
            write(stdout, entryLine(i));
        return 0;
    }
    return writeSheet(args);
}

} // namespace abacolo
