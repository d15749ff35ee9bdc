// The history of views: back, forward, the first view, and the eleventh view.

#include "graph/view_history.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "graph/picture_files.h"
#include "support/test_folder.h"

namespace kovu3 {
namespace {

GraphView ViewNo(int n) {
    return {14.4 * n, 14.4 * (n + 1), 0, 100};
}

TEST(ViewHistoryTest, BackAndForwardStayWithinTheViewsDrawn) {
    ViewHistory history;
    history.Start(ViewNo(1));
    EXPECT_FALSE(history.CanGoBack());
    EXPECT_FALSE(history.Back());  // going back from view 1 leaves view 1
    EXPECT_EQ(history.current(), 1);
    history.Push(ViewNo(2));
    history.Push(ViewNo(3));
    EXPECT_EQ(history.current(), 3);
    EXPECT_FALSE(history.Forward());  // nothing beyond the highest view
    EXPECT_TRUE(history.Back());
    EXPECT_TRUE(history.Back());
    EXPECT_EQ(history.CurrentView(), ViewNo(1));
    EXPECT_TRUE(history.CanGoForward());
    EXPECT_TRUE(history.Forward());
    EXPECT_TRUE(history.Forward());
    EXPECT_EQ(history.CurrentView(), ViewNo(3));
    EXPECT_FALSE(history.CanGoForward());
}

TEST(ViewHistoryTest, ANewViewAfterGoingBackKeepsTheLaterOnes) {
    ViewHistory history;
    history.Start(ViewNo(1));
    for (int n = 2; n <= 5; ++n) history.Push(ViewNo(n));
    history.Back();
    history.Back();
    history.Back();
    history.Push(ViewNo(20));  // typed from the keyboard
    EXPECT_EQ(history.current(), 3);
    EXPECT_EQ(history.highest(), 5);
    // Back and forward return to it.
    history.Back();
    history.Forward();
    EXPECT_EQ(history.CurrentView(), ViewNo(20));
    history.Forward();
    EXPECT_EQ(history.CurrentView(), ViewNo(4));
}

TEST(ViewHistoryTest, AnEleventhViewDropsTheOldest) {
    ViewHistory history;
    history.Start(ViewNo(1));
    for (int n = 2; n <= 10; ++n) EXPECT_FALSE(history.Push(ViewNo(n)));
    EXPECT_EQ(history.current(), 10);
    EXPECT_TRUE(history.Push(ViewNo(11)));
    EXPECT_EQ(history.current(), 10);
    EXPECT_EQ(history.highest(), 10);
    EXPECT_EQ(history.View(1), ViewNo(2));
    EXPECT_EQ(history.View(10), ViewNo(11));
    // Back from view 9 and a new view overwrites slot 10 without dropping anything.
    history.Back();
    EXPECT_FALSE(history.Push(ViewNo(30)));
    EXPECT_EQ(history.View(1), ViewNo(2));
}

TEST(ViewHistoryTest, InitialDrawingForgetsTheLaterViews) {
    ViewHistory history;
    history.Start(ViewNo(1));
    history.Push(ViewNo(2));
    history.Initial();
    EXPECT_EQ(history.current(), 1);
    EXPECT_EQ(history.highest(), 1);
    EXPECT_FALSE(history.CanGoForward());
}

TEST(PictureFilesTest, MovedDownAndDeletedByTheirOwnNamesOnly) {
    test::TestFolder folder;
    for (int slot = 1; slot <= 10; ++slot)
        folder.Write("picture" + std::to_string(slot), std::to_string(slot));
    folder.Write("picture of the station.jpg", "keep");
    folder.Write("Pictures/notes.txt", "keep");
    std::filesystem::remove(folder / "picture5");
    MovePicturesDown(folder.path(), 10);
    EXPECT_EQ(folder.Read("picture1"), "2");
    EXPECT_FALSE(std::filesystem::exists(folder / "picture4"));  // view 5 had no image
    EXPECT_EQ(folder.Read("picture9"), "10");
    EXPECT_FALSE(std::filesystem::exists(folder / "picture10"));
    EXPECT_TRUE(DeletePictures(folder.path(), 10).empty());
    for (int slot = 1; slot <= 10; ++slot)
        EXPECT_FALSE(std::filesystem::exists(PictureFile(folder.path(), slot)));
    EXPECT_EQ(folder.Read("picture of the station.jpg"), "keep");
    EXPECT_EQ(folder.Read("Pictures/notes.txt"), "keep");
}

}  // namespace
}  // namespace kovu3
