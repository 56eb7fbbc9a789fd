// "vexamo-cli diagram" on Windows, drawn in the program itself: the phase diagram as PNG
// (encoded by the Windows Imaging Component) or SVG, with the arguments, messages and exit
// statuses of the Linux command.
#include <wincodec.h>
#include <windows.h>

#include <string>
#include <vector>

#include "app/birth_input.h"
#include "app/text_catalogue.h"
#include "cli/commands.h"
#include "cli/output.h"
#include "cli/sheet_request.h"
#include "sheet/diagram_bitmap.h"
#include "sheet/diagram_geometry.h"
#include "sheet/diagram_svg.h"

namespace {

// Holds one reference to a COM object.
template <typename T> class ComRef {
  public:
    ComRef() = default;
    ~ComRef() {
        if (m_p != nullptr) {
            m_p->Release();
        }
    }
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;
    T** Out() { return &m_p; }
    T* operator->() const { return m_p; }
    T* Get() const { return m_p; }

  private:
    T* m_p = nullptr;
};

// COM for this thread while it lives.
class ComSession {
  public:
    ComSession() : m_ok(SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED))) {}
    ~ComSession() {
        if (m_ok) {
            CoUninitialize();
        }
    }
    ComSession(const ComSession&) = delete;
    ComSession& operator=(const ComSession&) = delete;

  private:
    bool m_ok;
};

// b as PNG file contents, 8 bits a channel, no alpha; empty when it cannot be encoded.
std::string PngOf(const DiagramBitmap& b) {
    const ComSession com;
    ComRef<IWICImagingFactory> factory;
    ComRef<IStream> stream;
    ComRef<IWICBitmapEncoder> encoder;
    ComRef<IWICBitmapFrameEncode> frame;
    ComRef<IPropertyBag2> properties;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IWICImagingFactory, reinterpret_cast<void**>(factory.Out()))) ||
        FAILED(CreateStreamOnHGlobal(nullptr, TRUE, stream.Out())) ||
        FAILED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, encoder.Out())) ||
        FAILED(encoder->Initialize(stream.Get(), WICBitmapEncoderNoCache)) ||
        FAILED(encoder->CreateNewFrame(frame.Out(), properties.Out())) ||
        FAILED(frame->Initialize(properties.Get())) ||
        FAILED(frame->SetSize(static_cast<UINT>(b.width), static_cast<UINT>(b.height)))) {
        return {};
    }
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    if (FAILED(frame->SetPixelFormat(&format)) ||
        !IsEqualGUID(format, GUID_WICPixelFormat24bppBGR)) {
        return {};
    }
    const size_t stride = static_cast<size_t>(b.width) * 3;
    std::vector<BYTE> rows(stride * static_cast<size_t>(b.height));
    for (size_t i = 0; i < b.pixels.size(); ++i) {
        const uint32_t p = b.pixels[i];
        rows[i * 3] = static_cast<BYTE>(p & 0xffu);
        rows[i * 3 + 1] = static_cast<BYTE>((p >> 8) & 0xffu);
        rows[i * 3 + 2] = static_cast<BYTE>((p >> 16) & 0xffu);
    }
    if (FAILED(frame->WritePixels(static_cast<UINT>(b.height), static_cast<UINT>(stride),
                                  static_cast<UINT>(rows.size()), rows.data())) ||
        FAILED(frame->Commit()) || FAILED(encoder->Commit())) {
        return {};
    }
    STATSTG stat{};
    HGLOBAL memory = nullptr;
    if (FAILED(stream->Stat(&stat, STATFLAG_NONAME)) ||
        FAILED(GetHGlobalFromStream(stream.Get(), &memory))) {
        return {};
    }
    const void* bytes = GlobalLock(memory);
    if (bytes == nullptr) {
        return {};
    }
    std::string png(static_cast<const char*>(bytes), static_cast<size_t>(stat.cbSize.QuadPart));
    GlobalUnlock(memory);
    return png;
}

} // namespace

int RunDiagram(const Args& args, CliStreams& io) {
    SheetRequest request;
    if (const int status = ReadSheetRequest(args, kDiagramCommand, io, request);
        status != kExitOk) {
        return status;
    }
    const SheetBirth& birth = request.births.front();
    const double centre = Evaluate(birth.input).m_dJulianDate;
    const int32_t southern = birth.input.southern ? 1 : 0;
    std::string bytes;
    if (request.format == SheetFormat::Svg) {
        bytes = DiagramSvg(MakeDiagramGeometry(centre, southern));
    } else {
        bytes = PngOf(DiagramBitmapAt(centre, southern, kDiagramControlWidth, kDiagramControlHeight,
                                      request.scale));
    }
    if (bytes.empty()) {
        // The picture could not be had: at a large scale, its memory.
        PrintMessage(io, UserText(TextId::CliSheetOutOfMemory, {"vexamo-cli.exe"}));
        return kExitRefused;
    }
    return WriteSheetOutput(io, kDiagramCommand, request.output, bytes);
}
