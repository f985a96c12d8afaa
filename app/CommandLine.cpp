#include "app/CommandLine.h"

#include "app/Arguments.h"
#include "app/DesignOption.h"

#include "batch/CardExport.h"
#include "batch/CardFormats.h"
#include "batch/FileBatch.h"
#include "batch/Generation.h"
#include "deck/PictureSet.h"
#include "shell/Failure.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QHash>
#include <QTextStream>

#include <cmath>

namespace app {

namespace {

const QString BatchOption = QStringLiteral("batch");
const QString OutOption = QStringLiteral("out");
const QString FormatOption = QStringLiteral("format");
const QString HeightOption = QStringLiteral("height");
const QString DesignOption = QStringLiteral("design");
const QString ListDesignsOption = QStringLiteral("list-designs");
const QString EndOfOptions = QStringLiteral("--");

// The command line's texts for --help and standard error.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(app::CommandLine)
};

// Qt's own window options, with and without a value; they reach the
// application object, not this parser.
const QStringList QtOptionsWithValue = {
    QStringLiteral("platform"), QStringLiteral("platformpluginpath"), QStringLiteral("platformtheme"),
    QStringLiteral("plugin"),   QStringLiteral("qwindowgeometry"),    QStringLiteral("geometry"),
    QStringLiteral("qwindowicon"), QStringLiteral("icon"),          QStringLiteral("qwindowtitle"),
    QStringLiteral("title"),    QStringLiteral("style"),              QStringLiteral("stylesheet"),
    QStringLiteral("session"),  QStringLiteral("display"),            QStringLiteral("name"),
    QStringLiteral("qmljsdebugger"),
};
const QStringList QtFlagOptions = {
    QStringLiteral("reverse"), QStringLiteral("widgetcount"), QStringLiteral("nograb"),
    QStringLiteral("dograb"),  QStringLiteral("sync"),        QStringLiteral("testability"),
};

// --help in the user's language; the option names, the file name "Card
// N.bmp" and the values (bmp, png) stay as they are typed and written.
void declareOptions(QCommandLineParser &parser)
{
    parser.setApplicationDescription(Text::tr(
        "Draws random playing cards from a standard 52-card deck.\n"
        "Without options it opens its windows; with --batch it draws a batch of\n"
        "distinct cards and saves them as bitmap files, without any window."));
    parser.addHelpOption();
    parser.addVersionOption();
    //: --help: the option --batch; <count> is the name of its value, as translated below.
    parser.addOption(QCommandLineOption(
        BatchOption, Text::tr("Draws <count> distinct cards (up to 52) and saves them as \"Card N.bmp\"."),
        //: --help: the name of the value of --batch, shown as <count>.
        Text::tr("count")));
    parser.addOption(QCommandLineOption(
        OutOption, Text::tr("The existing folder that receives the files of --batch."),
        //: --help: the name of the value of --out, shown as <folder>.
        Text::tr("folder")));
    parser.addOption(QCommandLineOption(
        FormatOption, Text::tr("The files' format with --batch: bmp (the default) or png."),
        //: --help: the name of the value of --format, shown as <format>.
        Text::tr("format")));
    parser.addOption(QCommandLineOption(
        HeightOption,
        Text::tr("The cards' height in pixels with --batch, from 96 (the default) to 4320; "
                 "the width keeps the card's proportions (777 for 1050)."),
        //: --help: the name of the value of --height, shown as <pixels>.
        Text::tr("pixels")));
    parser.addOption(QCommandLineOption(
        DesignOption,
        //: --help: the option --design; "dealwright" and --list-designs stay as they are typed.
        Text::tr("The card design: an installed card deck's folder name (--list-designs "
                 "shows them) or dealwright for the built-in cards, for this run only. "
                 "The windows show it; --batch draws cards above 96 pixels in it."),
        //: --help: the name of the value of --design, shown as <name>.
        Text::tr("name")));
    parser.addOption(QCommandLineOption(
        ListDesignsOption,
        Text::tr("Lists the card designs that can be used: folder, name and comment, "
                 "separated by tabs, one design per line, the built-in cards first.")));
}

// 0 for an argument that is not one of Qt's window options, else the number
// of arguments it takes up with its value.
int windowOptionLength(const QString &argument)
{
    if (!argument.startsWith(QLatin1Char('-')))
        return 0;
    const QString name = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
    if (QtFlagOptions.contains(name))
        return 1;
    if (QtOptionsWithValue.contains(name))
        return 2;
    return 0;
}

} // namespace

bool runsWithoutDisplay(const QStringList &arguments)
{
    for (int i = 1; i < arguments.size(); ++i) {
        // "--" ends the options: the windows open unless something follows.
        if (arguments.at(i) == EndOfOptions)
            return i + 1 < arguments.size();
        // The windows' card design, with its value.
        if (arguments.at(i).startsWith(QLatin1String("--design="))) {
            continue;
        } else if (arguments.at(i) == QLatin1String("--design") && i + 1 < arguments.size()) {
            ++i;
            continue;
        }
        const int length = windowOptionLength(arguments.at(i));
        if (length == 0)
            return true;
        i += length - 1;
    }
    return false;
}

QStringList withoutWindowOptions(const QStringList &arguments)
{
    QStringList kept = arguments.mid(0, 1);
    for (int i = 1; i < arguments.size(); ++i) {
        if (arguments.at(i) == EndOfOptions)
            return kept + arguments.mid(i);
        const int length = windowOptionLength(arguments.at(i));
        if (length == 0)
            kept.append(arguments.at(i));
        else
            i += length - 1;
    }
    return kept;
}

QString helpText()
{
    QCommandLineParser parser;
    declareOptions(parser);
    //: --help: the example's command line stays as it is typed; ~/cards may be given a folder name of the language.
    return parser.helpText()
        + Text::tr("\nExample: cards for print, a poker card at 300 dpi:\n"
                   "  dealwright --batch 52 --out ~/cards --format png --height 1050\n"
                   "\nExit status of --batch: 0 when every file was written, 1 when a file could\n"
                   "not be written (the others still are), 2 for a bad count, format or height,\n"
                   "an unusable folder or a wrong command line.\n");
}

QString versionText()
{
    return QCoreApplication::applicationName() + QLatin1Char(' ') + QCoreApplication::applicationVersion() + QLatin1Char('\n');
}

CommandLine parseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    declareOptions(parser);
    CommandLine result;
    if (!parser.parse(arguments)) {
        result.action = CommandLine::Action::Error;
        result.error = parser.errorText();
        return result;
    }
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))) {
        result.action = CommandLine::Action::Help;
        return result;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        result.action = CommandLine::Action::Version;
        return result;
    }
    if (!parser.positionalArguments().isEmpty()) {
        result.action = CommandLine::Action::Error;
        result.error = Text::tr("Unexpected argument '%1'.").arg(parser.positionalArguments().first());
        return result;
    }
    const bool batch = parser.isSet(BatchOption);
    const bool out = parser.isSet(OutOption);
    const bool sized = parser.isSet(FormatOption) || parser.isSet(HeightOption);
    if (parser.isSet(DesignOption))
        result.design = parser.value(DesignOption);
    if (parser.values(BatchOption).size() > 1 || parser.values(OutOption).size() > 1
        || parser.values(FormatOption).size() > 1 || parser.values(HeightOption).size() > 1) {
        // Which of two values was meant cannot be guessed.
        result.action = CommandLine::Action::Error;
        result.error = Text::tr("--batch, --out, --format and --height may each be given once.");
    } else if (parser.values(DesignOption).size() > 1) {
        result.action = CommandLine::Action::Error;
        result.error = Text::tr("--design may be given once.");
    } else if (parser.isSet(ListDesignsOption)) {
        const bool alone = !batch && !out && !sized && !result.design;
        result.action = alone ? CommandLine::Action::ListDesigns : CommandLine::Action::Error;
        if (!alone)
            result.error = Text::tr("--list-designs is used without other options.");
    } else if (sized && !batch) {
        result.action = CommandLine::Action::Error;
        result.error = Text::tr("--format and --height are only used with --batch COUNT.");
    } else if (batch && !out) {
        result.action = CommandLine::Action::Error;
        result.error = Text::tr("--batch needs --out FOLDER.");
    } else if (out && !batch) {
        result.action = CommandLine::Action::Error;
        result.error = Text::tr("--out is only used with --batch COUNT.");
    } else if (batch) {
        result.action = CommandLine::Action::Batch;
        result.count = parser.value(BatchOption);
        result.folder = parser.value(OutOption);
        if (parser.isSet(FormatOption))
            result.format = parser.value(FormatOption);
        if (parser.isSet(HeightOption))
            result.height = parser.value(HeightOption);
    }
    return result;
}

int runBatch(const QString &count, const QString &folder, QTextStream &out, QTextStream &err, const QString &format,
             const QString &height, const std::optional<QString> &design)
{
    const std::optional<batch::CardFormat> fileFormat = batch::cardFormatNamed(format);
    if (!fileFormat) {
        //: %1 is the value given to --format.
        err << "dealwright: " << Text::tr("--format %1: Must be bmp or png.").arg(shownArgument(format))
            << Qt::endl;
        return ExitUsage;
    }
    const std::optional<int> pixels = batch::cardHeightFrom(height);
    if (!pixels) {
        //: %1 is the value given to --height; %2 and %3 the smallest and the largest height.
        err << "dealwright: "
            << Text::tr("--height %1: Must be a whole number of pixels from %2 to %3.")
                   .arg(shownArgument(height), QString::number(batch::NaturalCardHeight),
                        QString::number(batch::LargestCardHeight))
            << Qt::endl;
        return ExitUsage;
    }
    const batch::CountProblem problem = batch::checkCount(count);
    if (problem != batch::CountProblem::None) {
        //: %1 is the value given to --batch, %2 what is wrong with it ("Up to 52 cards allowed").
        err << "dealwright: " << Text::tr("--batch %1: %2").arg(shownArgument(count), batch::countMessage(problem))
            << Qt::endl;
        return ExitUsage;
    }
    // The folder goes to the file system as the bytes given; messages and
    // the lines printed show it as text.
    const QByteArray folderBytes = argumentBytes(folder);
    const QString shownFolder = shownArgument(folder);
    if (!batch::isExistingFolder(folderBytes)) {
        //: %1 is the folder given to --out, %2 what is wrong with it.
        err << "dealwright: " << Text::tr("--out %1: %2").arg(shownFolder, batch::folderMissingMessage())
            << Qt::endl;
        return ExitUsage;
    }
    std::shared_ptr<const deck::CardDesign> drawnIn;
    if (!designOfCardFiles(design, *pixels, err, &drawnIn))
        return ExitUsage;
    // The count box's rule: halves round to even; zero and below draw nothing.
    const int cards = batch::batchCount(count);

    // Every file is written first and then put on disk together; a file
    // that fails is reported with its reason and the others still are. The
    // files' contents are made on every core.
    int status = ExitOk;
    const auto report = [&](const QString &failure) {
        err << "dealwright: " << failure << Qt::endl;
        status = ExitFileFailed;
    };
    batch::FileBatch files;
    QHash<QString, QString> lineOf;  // the line printed for each file written
    const std::vector<int> drawn = batch::generateBatch(cards);
    std::vector<QImage> pictures;
    for (const int card : drawn)
        pictures.push_back(deck::PictureSet::instance().card(card));
    batch::makeCardFiles(pictures, *fileFormat, *pixels,
                         [&](std::size_t i, const QByteArray &bytes, std::exception_ptr failure) {
        // Standard output is read by scripts: "Card N" and the card's name
        // stay English in every language.
        const QString entry = batch::entryFileName(drawn[i]);
        const QString path = batch::cardFilePath(shownFolder, entry, batch::extensionOf(*fileFormat));
        if (failure) {
            //: A card file that could not be made: %1 is its path, %2 the reason.
            report(Text::tr("%1: %2").arg(QDir::toNativeSeparators(path), shell::describeFailure(failure)));
            return;
        }
        try {
            // Its failure names the path.
            files.stage(batch::cardFilePath(folderBytes, entry, batch::extensionOf(*fileFormat)), path, bytes);
            lineOf.insert(path, entry + QLatin1Char('\t') + deck::cardName(drawn[i]) + QLatin1Char('\t')
                                    + QDir::toNativeSeparators(path));
        } catch (...) {
            report(shell::describeFailure(std::current_exception()));
        }
    }, drawnIn.get());
    for (const QString &failure : files.commit())
        report(failure);
    for (const QString &path : files.written())
        out << lineOf.value(path) << Qt::endl;
    return status;
}

int runHeadless(const CommandLine &commandLine, QTextStream &out, QTextStream &err)
{
    switch (commandLine.action) {
    case CommandLine::Action::Help:
        out << helpText();
        out.flush();
        return ExitOk;
    case CommandLine::Action::Version:
        out << versionText();
        out.flush();
        return ExitOk;
    case CommandLine::Action::Batch:
        return runBatch(commandLine.count, commandLine.folder, out, err, commandLine.format, commandLine.height,
                        commandLine.design);
    case CommandLine::Action::ListDesigns:
        out << designList();
        out.flush();
        return ExitOk;
    case CommandLine::Action::Error:
        err << "dealwright: " << shownArgument(commandLine.error) << Qt::endl
            << Text::tr("Try 'dealwright --help' for more information.") << Qt::endl;
        return ExitUsage;
    case CommandLine::Action::Windows:
        break;
    }
    return ExitOk;
}

} // namespace app
