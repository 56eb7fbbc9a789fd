// "Copier" and "Copier tout": the Linux program's texts as Unicode text, beside them 8-bit text
// in Windows-1252 where every character has a byte there; "Copier le diagramme" a picture.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "res/resource_ids.h"
#include "sheet/diagram_bitmap.h"
#include "win/clipboard_text.h"
#include "win/main_view.h"
#include "win/phase_diagram.h"
#include "win/wide_text.h"
#include "win_fixture.h"

namespace {

struct ClipboardText {
    bool hasUnicode = false;
    bool hasAnsi = false;
    std::string unicode; // as UTF-8, CR LF turned back into LF
    std::string ansi;    // the bytes as they are
};

std::string WithoutCr(std::string text) {
    std::erase(text, '\r');
    return text;
}

ClipboardText ReadClipboard() {
    ClipboardText got;
    if (!OpenClipboard(nullptr)) {
        ADD_FAILURE() << "the clipboard cannot be opened";
        return got;
    }
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT); data != nullptr) {
        got.hasUnicode = true;
        got.unicode = WithoutCr(Narrow(static_cast<const wchar_t*>(GlobalLock(data))));
        GlobalUnlock(data);
    }
    // Only a CF_TEXT the program put there itself (the system would make one from the Unicode
    // text).
    for (UINT format = EnumClipboardFormats(0); format != 0;
         format = EnumClipboardFormats(format)) {
        if (format == CF_TEXT) {
            if (HANDLE data = GetClipboardData(CF_TEXT); data != nullptr) {
                got.hasAnsi = true;
                got.ansi = static_cast<const char*>(GlobalLock(data));
                GlobalUnlock(data);
            }
            break;
        }
        if (format == CF_UNICODETEXT) {
            continue;
        }
    }
    CloseClipboard();
    return got;
}

class ClipboardTest : public WinAppTest {
  protected:
    void SetUp() override {
        WinAppTest::SetUp();
        // The Linux program's file: Muster, Zoë, 李小龙.
        const std::string path = PathOf("drei.dat");
        WriteBytes(path, kThreeRecords);
        ASSERT_TRUE(Start({path}));
        messages.shown.clear();
    }

    static inline const std::string kThreeRecords = [] {
        const char* hex =
            "0300064d757374657201000000c3070000080000000f0000000e0000001e0000000100000000000000"
            "05000000035a6feb01000000d0070000030000001400000008000000000000000000000000000000ff"
            "fffffffffeff034e670f5c999f010000009e0700000b0000001b000000070000000c00000000000000"
            "00000000f8ffffff";
        std::string bytes;
        for (const char* p = hex; p[0] != '\0'; p += 2) {
            bytes += static_cast<char>(std::stoi(std::string(p, 2), nullptr, 16));
        }
        return bytes;
    }();
};

TEST_F(ClipboardTest, CopyAllIsTheLinuxProgramsTable) {
    Command(ID_COPY_ALL);
    const ClipboardText got = ReadClipboard();
    ASSERT_TRUE(got.hasUnicode);
    EXPECT_EQ(got.unicode, "Name:\tTypus:\tGeburtstag:\tMondphase:\tSonnenphase:\n"
                           "Muster\tLunar\t15.8.1987 14:30 Uhr \t 55.46 %\t20.06 %\n"
                           "Zoë\tLunar\t20.3.2000 8:0 Uhr \t 99.99 %\t49.98 %\n"
                           "李小龙\tLunar\t27.11.1950 7:12 Uhr \t 95.17 %\t5.26 %\n");
}

TEST(Windows1252TextTest, EveryCharacterNeedsAByteOfItsOwn) {
    struct Case {
        const wchar_t* text;
        std::optional<std::string> bytes;
    };
    const Case cases[] = {
        {L"", std::string()},
        {L"Zo\u00EB\t55 %\r\n", std::string("Zo\xEB\t55 %\r\n")},
        {L"\u20AC \u0160", std::string("\x80 \x8A")}, // the euro sign and Š at 0x80..0x9F
        {L"\u674E\u5C0F\u9F99", std::nullopt},
        {L"\u0141ukasz", std::nullopt}, // no best fit: Ł is not L
        {L"a\u0308", std::nullopt},     // a combining mark has no byte either
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Windows1252Text(c.text), c.bytes) << Narrow(c.text);
    }
}

TEST_F(ClipboardTest, CopyGivesTheLineOfThePersonShownInBothForms) {
    // The first name in the list's order is shown.
    EXPECT_EQ(Text(IDC_NAME), "Muster");
    SetText(IDC_NAME, "Zoë");
    Command(ID_EDIT_COPY);
    const ClipboardText got = ReadClipboard();
    EXPECT_EQ(got.unicode,
              "Zoë\t" + Text(IDC_TYPE_NAME) + "\t" + Text(IDC_MOON) + "\t" + Text(IDC_SUN));
    EXPECT_EQ(Text(IDC_MOON), "55.46 %");
    ASSERT_TRUE(got.hasAnsi);
    EXPECT_EQ(got.ansi, "Zo\xEB\tLunar\t55.46 %\t20.06 %");
    EXPECT_TRUE(messages.shown.empty());
}

// The picture is a device-independent one of the control's size, pixel for pixel what the
// control shows (at 96 dots an inch the control's own pixels, as on Linux); the system offers
// it as a bitmap too.
TEST_F(ClipboardTest, CopyDiagramPutsTheControlsPixelsAsADib) {
    Command(ID_EDIT_COPY_DIAGRAM);
    RECT client{};
    GetClientRect(GetDlgItem(Form(), IDC_DIAGRAM), &client);
    ASSERT_TRUE(OpenClipboard(nullptr));
    BITMAPINFOHEADER header{};
    std::vector<uint32_t> rows;
    if (HANDLE data = GetClipboardData(CF_DIB); data != nullptr) {
        const auto* bytes = static_cast<const char*>(GlobalLock(data));
        std::memcpy(&header, bytes, sizeof header);
        if (header.biBitCount == 32 && header.biCompression == BI_RGB && header.biHeight > 0) {
            const auto* first = reinterpret_cast<const uint32_t*>(bytes + header.biSize);
            rows.assign(first, first + size_t(header.biWidth) * size_t(header.biHeight));
        }
        GlobalUnlock(data);
    }
    const bool bitmapToo = IsClipboardFormatAvailable(CF_BITMAP) != 0;
    CloseClipboard();
    ASSERT_EQ(header.biWidth, client.right);
    ASSERT_EQ(header.biHeight, client.bottom);
    ASSERT_FALSE(rows.empty());
    EXPECT_TRUE(bitmapToo);

    const CPhaseDiagram& diagram = *app->View().Diagram();
    const DiagramBitmap shown =
        DiagramBitmapAt(diagram.m_dCentreJD, diagram.m_bSouthern, client.right, client.bottom, 1.0);
    int64_t differing = 0;
    for (int32_t y = 0; y < shown.height; ++y) {
        for (int32_t x = 0; x < shown.width; ++x) {
            const uint32_t copied = rows[size_t(shown.height - 1 - y) * size_t(shown.width) + x];
            differing += (copied | 0xff000000u) != shown.pixels[size_t(y) * shown.width + x];
        }
    }
    EXPECT_EQ(differing, 0);
}

} // namespace
