// The built-in Windows headers: the documented values of a few names of each group, and the
// comparison of every name with the MinGW-w64 headers when their preprocessor is installed.
#include <cstdlib>

#include "PpTestSupport.h"
#include "resformat/Bytes.h"

namespace rc::test {
namespace {

struct Expected {
    const char* name;   // a name or a macro call
    const char* value;  // a C expression it must equal
};

class BuiltinHeaders : public PpTest {
protected:
    // Each name must be defined and equal its value; the output names those that are not.
    std::string Mismatches(const std::string& header, std::initializer_list<Expected> values) {
        std::string script = "#include <" + header + ">\n";
        for (const Expected& e : values) {
            const std::string name = e.name;
            const std::string macro = name.substr(0, name.find('('));
            script +=
                "#if !defined(" + macro + ") || (" + name + ") != (" + e.value + ")\nwrong " + name + "\n#endif\n";
        }
        return Text(script);
    }
};

TEST_F(BuiltinHeaders, WindowsHGivesTheStylesKeysAndIdsOfResourceScripts) {
    EXPECT_EQ(Mismatches("windows.h", {{"WS_OVERLAPPEDWINDOW", "0x00CF0000"},
                                       {"WS_CHILD", "0x40000000"},
                                       {"WS_POPUP", "0x80000000"},
                                       {"WS_EX_CLIENTEDGE", "0x00000200"},
                                       {"WS_EX_TOOLWINDOW", "0x00000080"},
                                       {"DS_MODALFRAME", "0x80"},
                                       {"DS_SETFONT", "0x40"},
                                       {"DS_SHELLFONT", "0x48"},
                                       {"BS_PUSHBUTTON", "0"},
                                       {"BS_AUTOCHECKBOX", "3"},
                                       {"BS_GROUPBOX", "7"},
                                       {"ES_AUTOHSCROLL", "0x80"},
                                       {"ES_MULTILINE", "4"},
                                       {"SS_CENTER", "1"},
                                       {"SS_REALSIZEIMAGE", "0x800"},
                                       {"LBS_STANDARD", "0x00A00003"},
                                       {"CBS_DROPDOWNLIST", "3"},
                                       {"SBS_VERT", "1"},
                                       {"VK_F1", "0x70"},
                                       {"VK_RETURN", "0x0D"},
                                       {"VK_DELETE", "0x2E"},
                                       {"IDOK", "1"},
                                       {"IDCANCEL", "2"},
                                       {"IDHELP", "9"},
                                       {"IDCLOSE", "8"},
                                       {"MF_GRAYED", "1"},
                                       {"MF_POPUP", "0x10"},
                                       {"MFT_SEPARATOR", "0x800"},
                                       {"MFS_CHECKED", "8"},
                                       {"OBM_CLOSE", "32754"},
                                       {"OIC_WINLOGO", "32517"},
                                       {"OCR_NORMAL", "32512"},
                                       {"HELP_CONTEXT", "1"},
                                       {"RT_MANIFEST", "24"},
                                       {"VS_VERSION_INFO", "1"},
                                       {"VOS_NT_WINDOWS32", "0x00040004"},
                                       {"VFT_APP", "1"},
                                       {"VFT2_DRV_KEYBOARD", "2"},
                                       {"VS_FF_DEBUG", "1"},
                                       {"VS_FFI_SIGNATURE", "0xFEEF04BD"},
                                       {"LANG_GERMAN", "7"},
                                       {"SUBLANG_GERMAN_SWISS", "2"},
                                       {"LANG_NEUTRAL", "0"},
                                       {"SORT_DEFAULT", "0"},
                                       {"LVS_REPORT", "1"},
                                       {"TBS_AUTOTICKS", "1"},
                                       {"UDS_SETBUDDYINT", "2"},
                                       {"PBS_SMOOTH", "1"},
                                       {"TCS_TABS", "0"},
                                       {"ACS_CENTER", "1"},
                                       {"CCS_TOP", "1"},
                                       {"SBARS_SIZEGRIP", "0x100"},
                                       {"_WIN32_WINNT_WIN7", "0x0601"},
                                       {"_WIN32_WINNT", "0x0A00"},
                                       {"WINVER", "0x0A00"},
                                       {"NTDDI_VERSION", "0x0A000000"}}),
              "");
}

TEST_F(BuiltinHeaders, FullHeadersAddClassNamesResourceTypesAndLanguageMacros) {
    EXPECT_EQ(Mismatches("commctrl.h", {{"TVS_HASLINES", "2"},
                                        {"HDS_BUTTONS", "2"},
                                        {"TTS_ALWAYSTIP", "1"},
                                        {"MCS_DAYSTATE", "1"},
                                        {"DTS_UPDOWN", "1"},
                                        {"RBS_TOOLTIPS", "0x100"},
                                        {"TBSTYLE_FLAT", "0x800"},
                                        {"ICC_LISTVIEW_CLASSES", "1"}}),
              "");
    EXPECT_EQ(Mismatches("winuser.h", {{"RT_RCDATA", "10"},
                                       {"RT_GROUP_ICON", "14"},
                                       {"RT_VERSION", "16"},
                                       {"MAKEINTRESOURCE(7)", "7"},
                                       {"IDI_APPLICATION", "32512"},
                                       {"WS_TABSTOP", "0x00010000"},
                                       {"WM_COMMAND", "0x0111"}}),
              "");
    EXPECT_EQ(Mismatches("winnt.h", {{"MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN_SWISS)", "0x0807"},
                                     {"PRIMARYLANGID(0x0807)", "7"},
                                     {"SUBLANGID(0x0807)", "2"},
                                     {"MAKELCID(0x0407, 1)", "0x00010407"},
                                     {"LANGIDFROMLCID(0x00010407)", "0x0407"}}),
              "");
    EXPECT_EQ(Mismatches("afxres.h", {{"IDC_STATIC", "-1"},
                                      {"ID_FILE_OPEN", "0xE101"},
                                      {"ID_APP_EXIT", "0xE141"},
                                      {"AFX_IDS_APP_TITLE", "0xE000"},
                                      {"ID_EDIT_COPY", "0xE122"},
                                      {"AFX_IDW_TOOLBAR", "0xE800"}}),
              "");
    EXPECT_EQ(Mismatches("winres.h", {{"IDC_STATIC", "-1"}, {"WS_VISIBLE", "0x10000000"}}), "");
    EXPECT_EQ(Text("#include <commctrl.h>\nWC_LISTVIEW TOOLBARCLASSNAME UPDOWN_CLASS PROGRESS_CLASS WC_TREEVIEWW\n"),
              "\"SysListView32\" \"ToolbarWindow32\" \"msctls_updown32\" \"msctls_progress32\" L\"SysTreeView32\"\n");
    // The L of 32-bit values stays: it decides their size in RCDATA.
    EXPECT_EQ(Text("#include <ver.h>\n#include <winres.h>\nVS_FF_DEBUG WS_VISIBLE IDC_STATIC VFT_APP\n"),
              "0x00000001L 0x10000000L (-1) 0x00000001L\n");
}

TEST_F(BuiltinHeaders, CRuntimeShellAndRichEditHeadersThatScriptsIncludeAreThere) {
    EXPECT_EQ(
        Text("#include <stdio.h>\n#include <tchar.h>\n#include <shlobj.h>\n#include <shobjidl.h>\n#include <tspi.h>\n"
             "#include <penwin.h>\n#include <winsdkver.h>\n#include <sdkddkver.h>\n#include <scrnsave.h>\n#include "
             "<dlgs.h>\n"
             "#include <richedit.h>\n#include <prsht.h>\n#include <shellapi.h>\n#include <commdlg.h>\nID_APP "
             "WS_VISIBLE LVS_ICON psh1 RICHEDIT_CLASS ES_SUNKEN\n"),
        "100 0x10000000L 0x0000 0x0400 \"RichEdit20A\" 0x4000\n");
}

// The SDK's version template: ntverp.h gives the numbers and strings, common.ver the resource;
// the script gives its type and description first. verrsrc.h is what Visual Studio includes.
TEST_F(BuiltinHeaders, NtverpAndCommonVerMakeTheSdksVersionResource) {
    EXPECT_EQ(Mismatches("ntverp.h", {{"VER_PRODUCTBUILD", "3790"},
                                      {"VER_PRODUCTBUILD_QFE", "1830"},
                                      {"VER_PRODUCTMAJORVERSION", "5"},
                                      {"VER_DEBUG", "0"}}),
              "");
    EXPECT_EQ(
        Text("#include <windows.h>\n#include <ntverp.h>\nVER_PRODUCTVERSION_STR VER_FILEFLAGS VER_PRODUCTVERSION\n"),
        "\"5\" \".\" \"2\" \".\" \"3790\" \".\" \"1830\" (0|0|0x00000008L) 5,2,3790,1830\n");
    EXPECT_EQ(Mismatches("verrsrc.h", {{"VS_FF_DEBUG", "1"}, {"VOS_NT_WINDOWS32", "0x00040004"}, {"VFT_DLL", "2"}}),
              "");
    EXPECT_EQ(Mismatches("windef.h", {{"MAX_PATH", "260"}, {"TRUE", "1"}, {"DC_COPIES", "18"}, {"WINVER", "0x0A00"}}),
              "");
    EXPECT_EQ(Mismatches("cpl.h", {{"CPL_DYNAMIC_RES", "0"}, {"CPL_SETUP", "200"}}), "");
    EXPECT_EQ(Mismatches("custcntl.h", {{"CCHCCCLASS", "32"}, {"CCF_NOTEXT", "1"}}), "");
    EXPECT_EQ(Text("#include <winsock2.h>\n#include <winspool.h>\n#include <shlwapi.h>\nWS_CHILD\n"), "0x40000000L\n");
    const OwnedRes res =
        ReadRes(CompileText("#include <windows.h>\n#include <ntverp.h>\n#define VER_FILETYPE VFT_APP\n"
                            "#define VER_FILESUBTYPE 0\n#define VER_FILEDESCRIPTION_STR \"Sample\"\n"
                            "#define VER_INTERNALNAME_STR \"sample.exe\"\n#include \"common.ver\"\n"));
    ASSERT_EQ(res.entries().size(), 1u);
    EXPECT_EQ(res.entries()[0].type, ResourceId::Number(16));
    std::u16string text;
    const std::string_view data = res.entries()[0].data;
    for (std::size_t at = 0; at + 1 < data.size(); at += 2) text += static_cast<char16_t>(ReadU16(data, at));
    EXPECT_NE(text.find(u"sample.exe"), std::u16string::npos);  // the internal and the original file name
    EXPECT_NE(text.find(u"5.2.3790.1830"), std::u16string::npos);
}

// windows.h brings every language id, as the Windows SDK's does: MinGW-w64's winnt.rh lacks
// some, and scripts in those languages stopped at their LANGUAGE line.
TEST_F(BuiltinHeaders, WindowsHKnowsEveryLanguageOfWinntH) {
    EXPECT_EQ(
        Text("#include <windows.h>\nSUBLANG_JAPANESE_JAPAN SUBLANG_HEBREW_ISRAEL SUBLANG_POLISH_POLAND LANG_TURKISH\n"),
        "0x0001 0x0001 0x0001 0x001F\n");
}

// The headers' definitions are applied a run at a time, not line by line; they must still take
// their turn among the script's own definitions as if each line were read.
TEST_F(BuiltinHeaders, TheirDefinitionsTakeTheirTurnAmongTheScriptsOwn) {
    // Defined before the header: the header's later definition counts, as in C.
    EXPECT_EQ(Text("#define WS_CHILD 5\n#include <windows.h>\nWS_CHILD MAKELANGID(1, 2)\n"),
              "0x40000000L (((2) * 1024) | (1))\n");
    // Undefined or defined again after it: the script's counts, also after a second include.
    EXPECT_EQ(Text("#include <windows.h>\n#undef WS_CHILD\n#ifdef WS_CHILD\nstill\n#endif\nWS_CHILD\n"
                   "#define WS_CHILD 7\n#include <windows.h>\nWS_CHILD\n"),
              "WS_CHILD\n7\n");
    // A header not read before brings its own definition again.
    EXPECT_EQ(Text("#include <windows.h>\n#undef WC_BUTTON\n#include <commctrl.h>\nWC_BUTTON\n"), "\"Button\"\n");
}

TEST_F(BuiltinHeaders, EveryNameEqualsTheMinGwW64HeadersValue) {
    if (std::system("command -v i686-w64-mingw32-cpp >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "i686-w64-mingw32-cpp is not installed";
    const std::string build = std::filesystem::path(RESTALLOW_RC).parent_path().string();
    const std::string command =
        "'" RC_HEADERS_DIR "/compare_with_mingw.sh' '" + build + "' > '" + Path("compare.txt") + "' 2>&1";
    const int status = std::system(command.c_str());
    const std::string report = ReadBytes(dir.path("compare.txt"));
    EXPECT_EQ(status, 0) << report;
    EXPECT_NE(report.find(" equal, 0 different, "), std::string::npos) << report;
}

}  // namespace
}  // namespace rc::test
