// The web-page button opens a page the project controls: the README beside the plug-in's module, as a file
// address; never a site nobody on the project owns.
#include <string>
#include <vector>

#include "panel/WebPage.h"
#include "panel_fixture.h"
#include "simhost/Platform.h"
#include "simhost/PluginConnection.h"

namespace {

using paneltest::PanelTest;

class WebPageButton : public PanelTest {
protected:
    static void Press() {
        SelectTool("Outil Segment");
        ASSERT_EQ(sim::TheDialogs().Click(ItemRef(6)), kNoErr);
    }
};

TEST_F(WebPageButton, OpensTheReadmeBesideTheModuleAsAFileAddress) {
    sim::ThePlugin().SetModulePath("/opt/Vek Tools/plug-ins/Tavorine.so");
    Start();
    Press();
    EXPECT_EQ(sim::TheLogs().urls, std::vector<std::string>{"file:///opt/Vek%20Tools/plug-ins/README.md"});
}

TEST_F(WebPageButton, OpensNothingWithoutAModuleFileOrABrowser) {
    Start();  // linked into the program: the host names no module file
    Press();
    sim::ThePlugin().SetModulePath("/opt/Tavorine.so");
    sim::ThePlatform().SetBrowserAvailable(false);
    Press();
    EXPECT_TRUE(sim::TheLogs().urls.empty());
}

struct AddressCase {
    const char* modulePath;
    const char* address;
};

TEST(WebPageAddress, EveryKindOfModulePathGivesTheReadmeBesideIt) {
    const AddressCase cases[] = {
        {"/usr/lib/tavorine/Tavorine.so", "file:///usr/lib/tavorine/README.md"},
        {"C:\\Program Files\\Vek\\Tavorine.aip", "file:///C:/Program%20Files/Vek/README.md"},
        {"D:/Plug-ins/Tavorine.aip", "file:///D:/Plug-ins/README.md"},
        {"/opt/Cotes & côtés/Tavorine.so", "file:///opt/Cotes%20%26%20c%C3%B4t%C3%A9s/README.md"},
        {"/Tavorine.so", "file:///README.md"},
        {"Tavorine.so", ""},
        {"", ""},
        {nullptr, ""},
    };
    for (const AddressCase& c : cases) {
        EXPECT_EQ(WebPageAddressBeside(c.modulePath), c.address) << (c.modulePath ? c.modulePath : "null");
    }
}

}  // namespace
