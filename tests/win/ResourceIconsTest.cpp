// The icons: each holds a 16x16 and a 32x32 image with an alpha channel; the failure mark leaves most of
// the icon it is drawn over visible.
#include <gtest/gtest.h>
#include <windows.h>

#include <map>

#include "resources/resource.h"
#include "tests/testhost/LanguageResources.h"
#include "tests/win/ResourceModuleTest.h"

namespace {

#pragma pack(push, 2)
struct GroupIconEntry {  // one image of an icon group resource
  BYTE width;
  BYTE height;
  BYTE colorCount;
  BYTE reserved;
  WORD planes;
  WORD bitCount;
  DWORD bytes;
  WORD imageId;
};
struct GroupIconHeader {
  WORD reserved;
  WORD type;
  WORD count;
};
#pragma pack(pop)

const LPCWSTR kIconImageResource = MAKEINTRESOURCEW(3);  // RT_ICON
const LPCWSTR kIconGroupResource = MAKEINTRESOURCEW(14);  // RT_GROUP_ICON
constexpr LANGID kNeutral = MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL);

// Share of fully transparent pixels of a 32-bit icon image, or -1 when it is not one.
double TransparentShare(HMODULE module, WORD imageId) {
  DWORD size = 0;
  auto* image =
      static_cast<const BITMAPINFOHEADER*>(FindResourceData(module, kIconImageResource, MAKEINTRESOURCEW(imageId), kNeutral, &size));
  if (!image || size < sizeof *image || image->biBitCount != 32) return -1;
  const LONG pixels = image->biWidth * image->biWidth;
  if (size < sizeof *image + pixels * 4) return -1;
  auto* colors = reinterpret_cast<const BYTE*>(image + 1);
  int transparent = 0;
  for (LONG i = 0; i < pixels; ++i) transparent += colors[i * 4 + 3] == 0;
  return static_cast<double>(transparent) / pixels;
}

using Icons = ResourceModuleTest;

TEST_P(Icons, EachHoldsSmallAndLargeImagesWithAlpha) {
  // An icon shows something; the failure mark, drawn over a list icon, must leave most of it visible.
  for (const UINT id : {IDI_MAIL, IDI_FOLDER, IDI_APPLICATION_MARK, IDI_FOLDER_TREE, IDI_KEY, IDI_FAILURE_OVERLAY,
                        IDI_WINDOW_STATE, IDI_HOST_FOLDER}) {
    const double minTransparent = id == IDI_FAILURE_OVERLAY ? 0.5 : 0.0, maxTransparent = 0.9;
    DWORD size = 0;
    auto* group = static_cast<const GroupIconHeader*>(
        FindResourceData(module, kIconGroupResource, MAKEINTRESOURCEW(id), kNeutral, &size));
    ASSERT_NE(group, nullptr) << "icon " << id;
    ASSERT_GE(size, sizeof *group + group->count * sizeof(GroupIconEntry)) << "icon " << id;
    auto* entries = reinterpret_cast<const GroupIconEntry*>(group + 1);
    std::map<int, WORD> imageBySize;
    for (WORD i = 0; i < group->count; ++i) {
      EXPECT_EQ(entries[i].width, entries[i].height) << "icon " << id;
      imageBySize[entries[i].width] = entries[i].imageId;
    }
    for (int side : {16, 32}) {
      ASSERT_EQ(imageBySize.count(side), 1u) << "icon " << id << " has no " << side << "x" << side << " image";
      const double share = TransparentShare(module, imageBySize[side]);
      EXPECT_GE(share, minTransparent) << "icon " << id << ", " << side << " pixels";
      EXPECT_LE(share, maxTransparent) << "icon " << id << ", " << side << " pixels";
    }
  }
}

INSTANTIATE_TEST_SUITE_P(LinkedAndDll, Icons, ResourceModuleTest::Modules());

}  // namespace
