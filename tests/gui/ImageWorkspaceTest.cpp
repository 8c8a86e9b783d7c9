// Loading picture files and pasting clipboard bitmaps into the working image.
#include <fstream>

#include "GuiFixture.h"
#include <FXPNGImage.h>

using namespace CommandId;

namespace {
// A 3 x 2 picture with distinct pixels, in the toolkit's colour order.
const FXColor samplePixels[6] = {FXRGB(255, 0, 0), FXRGB(0, 255, 0),     FXRGB(0, 0, 255),
                                 FXRGB(10, 20, 30), FXRGB(200, 100, 50), FXRGB(255, 255, 255)};

uint32_t argb(FXColor c) { return 0xFF000000u | FXREDVAL(c) << 16 | FXGREENVAL(c) << 8 | FXBLUEVAL(c); }

void saveGif(const std::string& path) {
    FXFileStream out;
    ASSERT_TRUE(out.open(path.c_str(), FXStreamSave));
    ASSERT_TRUE(fxsaveGIF(out, samplePixels, 3, 2));
}

std::string bmpFile24BottomUp() {
    // 14-byte file header, 40-byte info header, two rows of 3 pixels padded to 12 bytes, bottom row first.
    std::string f(14 + 40 + 24, '\0');
    auto put32 = [&](size_t at, uint32_t v) {
        for (int i = 0; i < 4; i++) f[at + i] = char((v >> (8 * i)) & 0xFF);
    };
    f[0] = 'B';
    f[1] = 'M';
    put32(2, uint32_t(f.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, 3);
    put32(22, 2);
    f[26] = 1;
    f[28] = 24;
    put32(34, 24);
    size_t at = 54;
    for (int row = 1; row >= 0; row--) {
        for (int x = 0; x < 3; x++) {
            FXColor c = samplePixels[row * 3 + x];
            f[at++] = char(FXBLUEVAL(c));
            f[at++] = char(FXGREENVAL(c));
            f[at++] = char(FXREDVAL(c));
        }
        at += 3;
    }
    return f;
}
} // namespace

TEST_F(GuiTest, LoadsAPictureFileAndEnablesTheImageControls) {
    Ordinax* win = window();
    saveGif(workDir + "/plot.GIF");
    ASSERT_TRUE(win->loadImageFile((workDir + "/plot.GIF").c_str()));
    EXPECT_EQ(win->imageWidth, 3);
    EXPECT_EQ(win->imageHeight, 2);
    ASSERT_EQ(win->cleanPixels.size(), 6u);
    for (int i = 0; i < 6; i++) EXPECT_EQ(win->cleanPixels[i], argb(samplePixels[i])) << i;
    EXPECT_EQ(std::string(win->getTitle().text()), "Ordinax v2.81 - " + workDir + "/plot.GIF");
    EXPECT_TRUE(win->imageReady);
    EXPECT_TRUE(win->rotationButtons[0]->isEnabled());
    EXPECT_EQ(std::string(win->rotationLabel->getText().text()), "rotation = 0.000 deg.");
    EXPECT_EQ(win->imageView->getWidth(), 3);
    EXPECT_TRUE(win->savePlotTitle->isEnabled());
    win->mainTabs->setCurrent(1, TRUE);
    win->mainTabs->setCurrent(0, TRUE);
    EXPECT_TRUE(win->savePlotTitle->isEnabled());
}

TEST_F(GuiTest, RefusedPictureFilesShowTheirMessageAndLeaveNoPicture) {
    Ordinax* win = window();
    writeFile("plot.jpg", "not really");
    writeFile("noextension", "x");
    writeFile("damaged.bmp", "BM this is not a bitmap at all");
    struct Case {
        std::string file, caption, text;
    } cases[] = {
        {"plot.jpg", "Error Loading Image", "Unsupported type: jpg"},
        {"noextension", "Error Loading Image", "Unsupported type: "},
        {"missing.gif", "File not found", workDir + "/missing.gif"},
        {"damaged.bmp", "Error Loading Image", workDir + "/damaged.bmp"},
    };
    for (const Case& c : cases) {
        modals->seen.clear();
        modals->expect("OK");
        EXPECT_FALSE(win->loadImageFile((workDir + "/" + c.file).c_str()));
        ASSERT_EQ(modals->seen.size(), 1u) << c.file;
        EXPECT_EQ(modals->seen[0].caption, c.caption);
        EXPECT_EQ(modals->seen[0].text, c.text);
        EXPECT_EQ(win->workImage, nullptr);
        EXPECT_FALSE(win->imageReady);
    }
}

TEST_F(GuiTest, PastesABitmapFromTheClipboard) {
    Ordinax* win = window();
    writeFile("clip.bmp", bmpFile24BottomUp());
    {
        ClipboardOffer offer(workDir + "/clip.bmp", "image/bmp");
        settle(200);
        command(ID_PASTE);
    }
    ASSERT_EQ(win->imageWidth, 3);
    ASSERT_EQ(win->imageHeight, 2);
    for (int i = 0; i < 6; i++) EXPECT_EQ(win->cleanPixels[i], argb(samplePixels[i])) << i;
    EXPECT_EQ(std::string(win->imageFileName.text()), "untitled");
    EXPECT_TRUE(win->imageReady);
}

TEST_F(GuiTest, PastesAPngWhenTheClipboardOffersNoBitmap) {
    Ordinax* win = window();
    {
        FXFileStream out;
        ASSERT_TRUE(out.open((workDir + "/clip.png").c_str(), FXStreamSave));
        ASSERT_TRUE(fxsavePNG(out, samplePixels, 3, 2));
    }
    {
        ClipboardOffer offer(workDir + "/clip.png", "image/png");
        settle(200);
        command(ID_PASTE);
    }
    ASSERT_EQ(win->cleanPixels.size(), 6u);
    for (int i = 0; i < 6; i++) EXPECT_EQ(win->cleanPixels[i], argb(samplePixels[i])) << i;
}

TEST_F(GuiTest, DamagedClipboardBitmapKeepsTheCurrentPicture) {
    Ordinax* win = window();
    saveGif(workDir + "/plot.gif");
    ASSERT_TRUE(win->loadImageFile((workDir + "/plot.gif").c_str()));
    std::string bmp = bmpFile24BottomUp();
    bmp[22] = char(0x40); // claims 64 rows of pixel data that are not there
    writeFile("clip.bmp", bmp);
    {
        ClipboardOffer offer(workDir + "/clip.bmp", "image/bmp");
        // A new picture clears the clipboard, so the window owned it: let it hear that the offer took over.
        for (int wait = 0; wait < 500 && win->clipboardClearField->hasClipboard(); wait++) settle(20);
        ASSERT_FALSE(win->clipboardClearField->hasClipboard());
        modals->expect("OK");
        command(ID_PASTE);
    }
    ASSERT_EQ(modals->seen.size(), 1u);
    EXPECT_EQ(modals->seen[0].kind, "message");
    EXPECT_EQ(win->imageHeight, 2);
    EXPECT_NE(win->workImage, nullptr);
    EXPECT_EQ(std::string(win->imageFileName.text()), workDir + "/plot.gif");
}
