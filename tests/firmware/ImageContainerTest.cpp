#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "firmware/ImageContainer.h"
#include "firmware/UpdateRoads.h"
#include "tests/firmware/ImageBuilder.h"
#include "tests/firmware/TempFiles.h"

namespace {

ImageCheckOptions Options(ImageTable table, ImageModelTest test, int model = 0, int minimum = 0)
{
    ImageCheckOptions options;
    options.table = table;
    options.modelTest = test;
    options.expectedModel = model;
    options.minimumSections = minimum;
    return options;
}

ImageCheckResult Check(const std::vector<std::uint8_t>& bytes, const ImageCheckOptions& options)
{
    return CheckImageContainer(bytes.data(), bytes.size(), options);
}

std::vector<std::uint8_t> ThreeSections(std::uint32_t model)
{
    return BuildImage(model, {SectionOf(0, 1, 100, 3), SectionOf(1, 2, 1, 9), SectionOf(2, 3, 700, 77)});
}

TEST(ImageContainer, LengthBoundary)
{
    std::vector<std::uint8_t> header = BuildImage(0x4D10, {});
    ASSERT_EQ(36u, header.size());
    for (ImageTable table : {ImageTable::kShort, ImageTable::kLong}) {
        const ImageCheckResult empty = Check(header, Options(table, ImageModelTest::kEquality, 0x4D10));
        EXPECT_TRUE(empty.Passed());
        EXPECT_EQ(0, empty.sectionCount);
        // An empty image still meets its model test.
        EXPECT_EQ(ImageCheckFault::kWrongModel, Check(header, Options(table, ImageModelTest::kEquality, 0x4D30)).fault);
        const std::vector<std::uint8_t> cut(header.begin(), header.end() - 1);
        EXPECT_EQ(ImageCheckFault::kTooShort, Check(cut, Options(table, ImageModelTest::kNone)).fault);
    }
}

TEST(ImageContainer, SectionMayEndExactlyAtTheEndOfTheFile)
{
    std::vector<std::uint8_t> image = ThreeSections(0x5610);
    const ImageCheckResult passed = Check(image, Options(ImageTable::kLong, ImageModelTest::kEquality, 0x5610));
    ASSERT_TRUE(passed.Passed());
    ASSERT_EQ(3u, passed.sections.size());
    EXPECT_EQ(image.size(), passed.sections[2].offset + passed.sections[2].length);
    EXPECT_EQ(2u, passed.sections[2].type);
    EXPECT_EQ(3u, passed.sections[2].id);

    // One byte further, in the long table only: the short reader still passes.
    const std::size_t lastLongEntry = 36 + 32 * 3 + 312 * 2;
    PutU32(image, lastLongEntry + 12, passed.sections[2].length + 1);
    const ImageCheckResult beyond = Check(image, Options(ImageTable::kLong, ImageModelTest::kNone));
    EXPECT_EQ(ImageCheckFault::kSectionOutsideFile, beyond.fault);
    EXPECT_EQ(2, beyond.failedSection);
    EXPECT_TRUE(beyond.sections.empty());
    EXPECT_TRUE(Check(image, Options(ImageTable::kShort, ImageModelTest::kNone)).Passed());
}

TEST(ImageContainer, SectionBoundsDoNotWrapAround)
{
    std::vector<std::uint8_t> image = ThreeSections(0x5610);
    PutU32(image, 36 + 8, 0xFFFFFFF0u);
    PutU32(image, 36 + 12, 0x20u);
    const ImageCheckResult result = Check(image, Options(ImageTable::kShort, ImageModelTest::kNone));
    EXPECT_EQ(ImageCheckFault::kSectionOutsideFile, result.fault);
    EXPECT_EQ(0, result.failedSection);
}

TEST(ImageContainer, OneWrongDigestByteOfTheLastSectionRefusesTheImage)
{
    std::vector<std::uint8_t> image = ThreeSections(0x4210);
    const std::size_t lastLongDigest = 36 + 32 * 3 + 312 * 2 + 296;
    image[lastLongDigest + 15] ^= 0x01;
    const ImageCheckResult result = Check(image, Options(ImageTable::kLong, ImageModelTest::kNone));
    EXPECT_EQ(ImageCheckFault::kDigestMismatch, result.fault);
    EXPECT_EQ(2, result.failedSection);
    // The short table of the same file was not touched.
    EXPECT_TRUE(Check(image, Options(ImageTable::kShort, ImageModelTest::kNone)).Passed());
}

TEST(ImageContainer, ModelTests)
{
    const std::vector<std::uint8_t> image = ThreeSections(0x4310);
    EXPECT_EQ(ImageCheckFault::kWrongModel,
              Check(image, Options(ImageTable::kLong, ImageModelTest::kEquality, 0x4210)).fault);
    EXPECT_TRUE(Check(image, Options(ImageTable::kLong, ImageModelTest::kEquality, 0x4310)).Passed());
    EXPECT_TRUE(Check(image, Options(ImageTable::kLong, ImageModelTest::kNone, 0x4210)).Passed());
}

TEST(ImageContainer, NameFieldTestOfTheVersionedImage)
{
    struct Case {
        const char* label;
        std::string name;
        std::uint32_t model;
        bool passes;
    };
    const std::string dirtyAfterNul = std::string("abc\0x", 5);
    const Case cases[] = {
        {"clean name, other model", "abc", 0x4310, false},
        {"clean name, 0x4220", "abc", 0x4220, true},
        {"clean name, 0x4210", "abc", 0x4210, true},
        {"clean name, model 0", "abc", 0, true},
        {"a byte after the NUL", dirtyAfterNul, 0x4310, true},
        {"last byte set", std::string("abc") + std::string(20, '\0') + "z", 0x4310, true},
        {"23 characters", std::string(23, 'n'), 0x4310, false},
        {"24 characters, no NUL", std::string(24, 'n'), 0x4310, false},
    };
    for (const Case& c : cases) {
        const std::vector<std::uint8_t> image = BuildImage(c.model, {SectionOf(0, 0, 10, 1)}, c.name);
        EXPECT_EQ(c.passes, Check(image, Options(ImageTable::kShort, ImageModelTest::kNameField)).Passed()) << c.label;
    }
}

TEST(ImageContainer, CameraPackageModelIsTestedAfterTheSections)
{
    std::vector<std::uint8_t> package = BuildImage(0x3010, {SectionOf(0, 0, 50, 1), SectionOf(0, 1, 60, 2)});
    const ImageCheckOptions camera = ImageCheckOptionsForModel(0x3020);
    EXPECT_EQ(ImageCheckFault::kWrongModel, Check(package, camera).fault);
    package[36 + 16] ^= 0xFF; // first short digest
    EXPECT_EQ(ImageCheckFault::kDigestMismatch, Check(package, camera).fault);
    EXPECT_TRUE(Check(BuildImage(0x3020, {SectionOf(0, 0, 50, 1), SectionOf(0, 1, 60, 2)}), camera).Passed());
}

TEST(ImageContainer, TablesMustLieInsideTheFile)
{
    // Two sections announced, only the header and one short entry present.
    std::vector<std::uint8_t> bytes(36 + 32, 0);
    PutU32(bytes, 28, 0x5610);
    PutU32(bytes, 32, 2);
    EXPECT_EQ(ImageCheckFault::kTableOutsideFile,
              Check(bytes, Options(ImageTable::kShort, ImageModelTest::kNone)).fault);
    // The short table fits, the long one does not.
    bytes.resize(36 + 64 + 312);
    EXPECT_EQ(ImageCheckFault::kTableOutsideFile,
              Check(bytes, Options(ImageTable::kLong, ImageModelTest::kNone)).fault);
}

TEST(ImageContainer, HugeCountsDescribeNoSection)
{
    for (std::uint32_t count : {0x80000000u, 0xFFFFFFFFu}) {
        std::vector<std::uint8_t> bytes(36, 0);
        PutU32(bytes, 32, count);
        const ImageCheckResult none = Check(bytes, Options(ImageTable::kLong, ImageModelTest::kNone));
        EXPECT_TRUE(none.Passed()) << count;
        EXPECT_EQ(0, none.sectionCount);
        EXPECT_EQ(ImageCheckFault::kTooFewSections,
                  Check(bytes, Options(ImageTable::kLong, ImageModelTest::kNone, 0, 2)).fault);
    }
    std::vector<std::uint8_t> bytes(36, 0);
    PutU32(bytes, 32, 0x7FFFFFFFu);
    EXPECT_EQ(ImageCheckFault::kTableOutsideFile,
              Check(bytes, Options(ImageTable::kShort, ImageModelTest::kNone)).fault);
}

TEST(ImageContainer, EachRoadTakesItsMinimumOfSections)
{
    struct Case {
        int model;
        std::size_t sections;
        bool passes;
    };
    const Case cases[] = {
        {0x3500, 2, true},  {0x3500, 1, false}, {0x3116, 2, false}, {0x3116, 3, true},  {0x5510, 2, false},
        {0x5510, 3, true},  {0x3060, 2, false}, {0x5610, 0, true},  {0x5345, 1, false}, {0x5345, 2, true},
        {0x3020, 1, false}, {0x3020, 2, true},  {0x4310, 0, true},  {0x6010, 0, true},
    };
    for (const Case& c : cases) {
        std::vector<BuiltSection> sections;
        for (std::size_t i = 0; i < c.sections; ++i)
            sections.push_back(SectionOf(0, static_cast<std::uint32_t>(i), 40, static_cast<std::uint8_t>(i)));
        const std::vector<std::uint8_t> image = BuildImage(static_cast<std::uint32_t>(c.model), sections);
        const ImageCheckResult result = Check(image, ImageCheckOptionsForModel(c.model));
        EXPECT_EQ(c.passes, result.Passed()) << std::hex << c.model << " with " << c.sections;
        if (!c.passes) {
            EXPECT_EQ(ImageCheckFault::kTooFewSections, result.fault) << std::hex << c.model;
        }
    }
}

TEST(ImageContainer, ReadersOfEachRoad)
{
    struct Case {
        int model;
        ImageTable table;
        ImageModelTest test;
    };
    const Case cases[] = {
        {0x4210, ImageTable::kShort, ImageModelTest::kNameField},
        {0x2030, ImageTable::kLong, ImageModelTest::kNone},
        {0x5345, ImageTable::kLong, ImageModelTest::kEquality},
        {0x3110, ImageTable::kLong, ImageModelTest::kEquality},
        {0x5920, ImageTable::kLong, ImageModelTest::kEquality},
        {0x5416, ImageTable::kLong, ImageModelTest::kEquality},
        {0x3020, ImageTable::kShort, ImageModelTest::kAfterSections},
    };
    for (const Case& c : cases) {
        const ImageCheckOptions options = ImageCheckOptionsForModel(c.model);
        EXPECT_EQ(c.table, options.table) << std::hex << c.model;
        EXPECT_EQ(c.test, options.modelTest) << std::hex << c.model;
        EXPECT_EQ(c.model, options.expectedModel);
    }
}

TEST(ImageContainerFile, LengthAndLoading)
{
    TempFolder folder;
    EXPECT_EQ(-1, GetFileLength(folder.File(L"missing.img")));
    EXPECT_EQ(ImageCheckFault::kCannotOpen,
              LoadImageContainer(folder.File(L"missing.img"), ImageCheckOptionsForModel(0x5610)).check.fault);

    const std::vector<std::uint8_t> image = ThreeSections(0x5610);
    const std::wstring path = folder.Write(L"good.img", image);
    EXPECT_EQ(static_cast<int>(image.size()), GetFileLength(path));
    int reads = 0;
    const LoadedImage loaded = LoadImageContainer(path, ImageCheckOptionsForModel(0x5610), [&reads] { ++reads; });
    ASSERT_TRUE(loaded.check.Passed());
    EXPECT_EQ(1, reads);
    ASSERT_EQ(image.size(), loaded.Size());
    EXPECT_EQ(0, std::memcmp(image.data(), loaded.Bytes(), image.size()));

    const std::wstring shortPath = folder.Write(L"short.img", std::vector<std::uint8_t>(35, 0));
    const LoadedImage refused = LoadImageContainer(shortPath, ImageCheckOptionsForModel(0x5610));
    EXPECT_EQ(ImageCheckFault::kTooShort, refused.check.fault);
    EXPECT_EQ(nullptr, refused.Bytes());

    const std::wstring emptyPath = folder.Write(L"empty.img", {});
    EXPECT_EQ(0, GetFileLength(emptyPath));
    EXPECT_EQ(ImageCheckFault::kTooShort, LoadImageContainer(emptyPath, ImageCheckOptionsForModel(0x5610)).check.fault);
    EXPECT_EQ(ImageCheckFault::kCannotOpen,
              LoadImageContainer(folder.File(L""), ImageCheckOptionsForModel(0x5610)).check.fault);

    const std::wstring wrongPath = folder.Write(L"wrong.img", ThreeSections(0x5612));
    const LoadedImage wrong = LoadImageContainer(wrongPath, ImageCheckOptionsForModel(0x5610));
    EXPECT_EQ(ImageCheckFault::kWrongModel, wrong.check.fault);
    EXPECT_EQ(nullptr, wrong.Bytes());
}

} // namespace
