// The program's table and numeric field widgets: pasting clipboard text into a table, and typing into a
// field.
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <memory>

#include "GuiFixture.h"

#include <X11/Xlib.h>

namespace {
// Serves the file's bytes on the X clipboard under the target (xclip stays until stopped).
class ClipboardText {
  public:
    ClipboardText(const std::string &path, const char *target) {
        pid = fork();
        if (pid == 0) {
            freopen("/dev/null", "w", stdout);
            freopen("/dev/null", "w", stderr);
            execlp("xclip", "xclip", "-quiet", "-selection", "clipboard", "-t", target, "-i", path.c_str(),
                   static_cast<char *>(nullptr));
            _exit(127);
        }
        usleep(300000);
    }
    ~ClipboardText() {
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
    }

  private:
    pid_t pid;
};

// Holds the clipboard inside this program and answers requests for one type only.
class ClipboardOwner : public FXFrame {
    FXDECLARE(ClipboardOwner)
  protected:
    ClipboardOwner() {}

  public:
    explicit ClipboardOwner(FXComposite *parent) : FXFrame(parent) {}
    void offer(FXDragType type, const std::string &bytes) {
        offered = type;
        data = bytes;
        // The toolkit takes the clipboard with the time of its last event, which may be older than the last
        // owner's (xclip); owning it first with the server's time lets the toolkit's own claim stand.
        Display *display = static_cast<Display *>(getApp()->getDisplay());
        XSetSelectionOwner(display, XInternAtom(display, "CLIPBOARD", False), id(), CurrentTime);
        acquireClipboard(&offered, 1);
    }
    long onClipboardRequest(FXObject *, FXSelector, void *ptr) {
        const FXEvent *event = static_cast<const FXEvent *>(ptr);
        if (event->target != offered)
            return 0;
        FXuchar *copy = nullptr;
        FXMALLOC(&copy, FXuchar, data.size());
        memcpy(copy, data.data(), data.size());
        setDNDData(FROM_CLIPBOARD, offered, copy, data.size());
        return 1;
    }

  private:
    FXDragType offered = 0;
    std::string data;
};

// A window of its own holding one table of the given size, with (row, 0) selected.
struct TableWindow {
    TableWindow(FXApp *app, int rows, int columns, int selectedRow) {
        shell = std::make_unique<FXMainWindow>(app, "table", nullptr, nullptr, DECOR_ALL, 0, 0, 300, 300);
        table = new Table_qvx1(shell.get(), nullptr, 0, LAYOUT_FILL_X | LAYOUT_FILL_Y);
        table->setTableSize(rows, columns);
        shell->create();
        shell->show();
        table->selectRange(selectedRow, selectedRow, 0, 0);
    }
    std::unique_ptr<FXMainWindow> shell;
    Table_qvx1 *table;
};

long paste(Table_qvx1 *table) {
    return table->handle(table, FXSEL(SEL_COMMAND, FXTable::ID_PASTE_SEL), nullptr);
}
} // namespace

FXDEFMAP(ClipboardOwner)
ClipboardOwnerMap[] = {
    FXMAPFUNC(SEL_CLIPBOARD_REQUEST, 0, ClipboardOwner::onClipboardRequest),
};
FXIMPLEMENT(ClipboardOwner, FXFrame, ClipboardOwnerMap, ARRAYNUMBER(ClipboardOwnerMap))

TEST_F(GuiTest, PastedClipboardTextReadsCommasAsPeriodsAndSelectsTheBlock) {
    Ordinax *win = window();
    // UTF-8 comes from another program; UTF-16 and Latin-1 from an owner in this program that offers only
    // that type.
    std::string utf16;
    for (char latin1 : std::string("1,5\t2,5\xb0\n3\t4"))
        utf16 += std::string(1, latin1) + '\0';
    struct Case {
        const char *type;
        std::string bytes;
        const char *cell01;
    } cases[] = {
        {"UTF8_STRING", "1,5\t2,5\r\n3\t4", "2.5"},
        {"STRING", "1,5\t2,5\xb0\r\n3\t4\r\n", "2.5\xc2\xb0"},
        {"UTF-16", utf16, "2.5\xc2\xb0"},
    };
    for (const Case &c : cases) {
        Table_qvx1 *table = win->xyValuesTable;
        for (int r = 0; r < 3; r++)
            for (int col = 0; col < 3; col++)
                table->setCellText(r, col, "");
        table->selectRange(0, 0, 0, 0);
        if (std::string(c.type) == "UTF8_STRING") {
            writeFile("clip.txt", c.bytes);
            ClipboardText offer(workDir + "/clip.txt", c.type);
            paste(table);
        } else {
            ClipboardOwner *owner = new ClipboardOwner(win->imagePage);
            owner->create();
            owner->offer(std::string(c.type) == "STRING" ? FXWindow::stringType : FXWindow::utf16Type,
                         c.bytes);
            ASSERT_TRUE(owner->hasClipboard());
            paste(table);
            delete owner;
        }
        EXPECT_EQ(table->cellString(0, 0), "1.5") << c.type;
        EXPECT_EQ(table->cellString(0, 1), c.cell01) << c.type;
        EXPECT_EQ(table->cellString(1, 0), "3") << c.type;
        EXPECT_EQ(table->cellString(1, 1), "4") << c.type;
        EXPECT_EQ(table->cellString(2, 0), "") << c.type;
        EXPECT_TRUE(table->isItemSelected(0, 0) && table->isItemSelected(1, 1)) << c.type;
        EXPECT_FALSE(table->isItemSelected(2, 0) || table->isItemSelected(0, 2)) << c.type;
        EXPECT_DOUBLE_EQ(table->getCellDouble(0, 0), 1.5);
    }
}

TEST_F(GuiTest, PasteIsCutToTheTableRowsAndAppendsPastTheEnd) {
    std::string twelveRows;
    for (int i = 0; i < 12; i++)
        twelveRows += std::to_string(i) + "\t" + std::to_string(i) + ",5\n";
    struct Case {
        int startRow, rowsAfter;
        int firstFilled, lastFilled;
    } cases[] = {{0, 10, 0, 9}, {3, 13, 3, 12}};
    for (const Case &c : cases) {
        TableWindow host(app(), 10, 2, c.startRow);
        host.table->pasteText(twelveRows);
        EXPECT_EQ(host.table->getNumRows(), c.rowsAfter);
        EXPECT_EQ(host.table->getNumColumns(), 2);
        EXPECT_EQ(host.table->cellString(c.firstFilled, 0), "0");
        EXPECT_EQ(host.table->cellString(c.lastFilled, 1), "9.5");
        EXPECT_TRUE(host.table->isItemSelected(c.lastFilled, 1));
    }
}

TEST_F(GuiTest, HugeClipboardPasteIsCutToTheTable) {
    window();
    std::string longCell(20000, 'x');
    std::string text = "first";
    for (int c = 0; c < 5000; c++)
        text += "\t" + std::to_string(c); // far more cells than the table has
    text += "\n";
    for (int i = 1; i < 100000; i++)
        text += std::to_string(i) + "\t" + (i % 1000 == 0 ? longCell : "2,5") + "\n";
    writeFile("huge.txt", text);
    TableWindow host(app(), 10, 3, 0);
    {
        ClipboardText offer(workDir + "/huge.txt", "UTF8_STRING");
        paste(host.table);
    }
    EXPECT_EQ(host.table->getNumRows(), 10);
    EXPECT_EQ(host.table->getNumColumns(), 3);
    EXPECT_EQ(host.table->cellString(0, 0), "first");
    EXPECT_EQ(host.table->cellString(0, 2), "1");
    EXPECT_EQ(host.table->cellString(9, 0), "9");
    EXPECT_EQ(host.table->cellString(9, 1), "2.5");
}

TEST_F(GuiTest, PasteNeedsAnEditableTableAndASelection) {
    TableWindow host(app(), 4, 2, 0);
    host.table->killSelection();
    host.table->pasteText("1\t2\n");
    EXPECT_EQ(host.table->cellString(0, 0), "");
    host.table->selectRange(0, 0, 0, 0);
    host.table->setEditable(FALSE);
    EXPECT_EQ(paste(host.table), 1);
    EXPECT_EQ(host.table->cellString(0, 0), "");
}

TEST_F(GuiTest, RealNumberFieldFiltersWhatIsTyped) {
    window();
    FXMainWindow shell(app(), "field");
    shell.create();
    struct Case {
        bool allowSign;
        const char *typed;
        const char *shown;
    } cases[] = {
        {false, "-1", ""},   {false, "1e-3", "1e-3"}, {false, "1,5", ""},  {true, "-1", "-1"},
        {false, "1e", "1e"}, {false, ".", "."},       {false, "1.2.", ""}, {true, "+-1", ""},
    };
    for (const Case &c : cases) {
        TextField_qvx1 *field = new TextField_qvx1(&shell, 12, nullptr, 0, TEXTFIELD_REAL, c.allowSign);
        field->create();
        field->handle(field, FXSEL(SEL_COMMAND, FXTextField::ID_INSERT_STRING), (void *)c.typed);
        EXPECT_EQ(std::string(field->getText().text()), c.shown) << c.typed;
        delete field;
    }
    TextField_qvx1 *field = new TextField_qvx1(&shell, 12, nullptr, 0, TEXTFIELD_REAL);
    field->setFieldText("3,25");
    EXPECT_EQ(std::string(field->getText().text()), "3.25");
    EXPECT_DOUBLE_EQ(field->getFieldDouble(), 3.25);
    TextField_qvx1 *plain = new TextField_qvx1(&shell, 12);
    plain->setFieldText("3,25");
    EXPECT_EQ(std::string(plain->getText().text()), "3,25");
    EXPECT_EQ(plain->getFieldDouble(), 0);
}
