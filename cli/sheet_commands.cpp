// vexamo-sheet's commands: "report" (printed sheets as PDF) and "diagram" (the phase diagram as
// PNG or SVG).
#include "cli/sheet_commands.h"

#include <QBuffer>
#include <QDate>

#include "app/text_catalogue.h"
#include "cli/output.h"
#include "cli/sheet_exit.h"
#include "cli/sheet_request.h"
#include "sheet/diagram_drawing.h"
#include "sheet/sheet_file.h"
#include "sheet/sheet_painter.h"

namespace {

const SheetCommand& kReport = kReportCommand;
const SheetCommand& kDiagram = kDiagramCommand;

std::string Bytes(const QByteArray& bytes) {
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

// The PDF goes to its file page by page (a thousand sheets are never all in memory), through a
// temporary file beside it that replaces the file only when complete, or straight into a
// device or a named pipe.
int WriteSheetPdf(CliStreams& io, const std::string& output,
                  const std::vector<SheetContent>& sheets) {
    if (output == "-") {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        if (!WriteSheetsPdf(buffer, sheets)) {
            return OutputFailed(io);
        }
        io.out.write(buffer.data().constData(), buffer.data().size());
        io.out.flush();
        return io.out ? kExitOk : OutputFailed(io);
    }
    FileReplacement file;
    if (int status = kExitOk; !OpenSheetOutput(io, kReport, output, file, status)) {
        return status;
    }
    if (const FileFault fault = WriteSheetsPdfInto(file, sheets); fault.kind != FileFault::None) {
        return FileNotSaved(io, output, fault);
    }
    return kExitOk;
}

} // namespace

int RunSheetReport(const Args& args, CliStreams& io) {
    SheetRequest request;
    if (const int status = ReadSheetRequest(args, kReport, io, request); status != kExitOk) {
        return status;
    }
    const std::string printedOn =
        QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")).toStdString();
    std::vector<SheetContent> sheets;
    sheets.reserve(request.births.size());
    for (const SheetBirth& birth : request.births) {
        sheets.push_back(MakeSheetContent(birth, printedOn));
    }
    return WriteSheetPdf(io, request.output, sheets);
}

int RunSheetDiagram(const Args& args, CliStreams& io) {
    SheetRequest request;
    if (const int status = ReadSheetRequest(args, kDiagram, io, request); status != kExitOk) {
        return status;
    }
    const SheetBirth& birth = request.births.front();
    const double centre = Evaluate(birth.input).m_dJulianDate;
    const int32_t southern = birth.input.southern ? 1 : 0;
    std::string bytes;
    if (request.format == SheetFormat::Svg) {
        bytes = DiagramSvg(MakeDiagramGeometry(centre, southern));
    } else {
        bytes = Bytes(PngBytes(DiagramPicture(centre, southern, request.scale)));
    }
    if (bytes.empty()) {
        // The picture could not be had: at a large scale, its memory.
        return kSheetExitOutOfMemory;
    }
    return WriteSheetOutput(io, kDiagram, request.output, bytes);
}

int RunSheetCli(const Args& all, CliStreams& io) {
    size_t first = 0;
    for (; first < all.size(); ++first) {
        if (all[first] == "--out-terminal") {
            io.outTerminal = true;
        } else if (all[first] == "--err-terminal") {
            io.errTerminal = true;
        } else {
            break;
        }
    }
    const Args args(all.begin() + static_cast<long>(std::min(first + 1, all.size())), all.end());
    const std::string command = first < all.size() ? all[first] : std::string();
    if (command == "report") {
        return RunSheetReport(args, io);
    }
    if (command == "diagram") {
        return RunSheetDiagram(args, io);
    }
    return UsageError(io, command.empty() ? UserText(TextId::CliMissingCommand)
                                          : UserText(TextId::CliUnknownCommand, {command}));
}
