#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>

#include "support/fakes.h"
#include "ui/chm_archive.h"

namespace swathkit {
namespace {

using namespace testing;

std::string Bytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void Write(const std::filesystem::path& file, std::string_view bytes) {
    std::ofstream(file, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
}

std::string Record(std::uint16_t code, std::string_view value) {
    std::string record;
    record += char(code & 0xff);
    record += char(code >> 8);
    record += char(value.size() & 0xff);
    record += char(value.size() >> 8);
    return record + std::string(value);
}

TEST(HelpArchive, SystemRecordsAreReadUpToDamage) {
    const std::string version("\3\0\0\0", 4);
    const std::string data = version + Record(0, std::string("toc.hhc\0", 8)) +
                             Record(2, std::string("index.htm\0", 10)) + Record(3, "Title");
    const auto records = ParseSystemRecords(data);
    EXPECT_EQ(records.at(0), "toc.hhc");
    EXPECT_EQ(records.at(2), "index.htm");
    EXPECT_EQ(records.at(3), "Title");

    // A record that claims more than is there ends the list; nothing is read
    // past the end.
    const std::string cut =
        version + Record(2, std::string("a.htm\0", 6)) + Record(3, "Long title");
    const auto partial = ParseSystemRecords(cut.substr(0, cut.size() - 3));
    EXPECT_EQ(partial.size(), 1u);
    EXPECT_EQ(partial.at(2), "a.htm");
    EXPECT_TRUE(ParseSystemRecords("").empty());
    EXPECT_TRUE(ParseSystemRecords(std::string("\3\0\0\0\2\0", 6)).empty());
}

TEST(HelpArchive, ContentsKeepTheirNestingAndSkipOtherObjects) {
    const auto entries = ParseContents(R"(
        <OBJECT type="text/site properties"><param name="Window Styles" value="0x800025"></OBJECT>
        <UL>
          <LI><OBJECT type="text/sitemap">
              <param name="Local" value="index.htm"><param name="Name" value="Start &amp; end">
          </OBJECT>
          <UL>
            <LI><object TYPE='text/sitemap'><param name=Name value=Errors>
                <param name="Local" value="errors.htm#e300"></object>
            <LI><object type="text/sitemap"><param name="Local" value="nameless.htm"></object>
          </UL>
          <LI><object type="text/sitemap"><param name="Name" value="Last"></object>
        </UL>
        <object type="text/sitemap"><param name="Name" value="Unclosed")");
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].Name, "Start & end");
    EXPECT_EQ(entries[0].Local, "index.htm");
    EXPECT_EQ(entries[0].Depth, 0);
    EXPECT_EQ(entries[1].Name, "Errors");
    EXPECT_EQ(entries[1].Local, "errors.htm#e300");
    EXPECT_EQ(entries[1].Depth, 1);
    EXPECT_EQ(entries[2].Name, "Last");
    EXPECT_EQ(entries[2].Local, "");
    EXPECT_EQ(entries[2].Depth, 0);

    EXPECT_EQ(NormalizeObjectPath("merging.htm"), "/merging.htm");
    EXPECT_EQ(NormalizeObjectPath("/./merging.htm"), "/merging.htm");
    EXPECT_EQ(NormalizeObjectPath("//a/b.css"), "/a/b.css");
}

// The guide as built: its default topic, its contents, and no link in any
// page that leads nowhere inside the file.
TEST(HelpArchive, BuiltGuideOpensAndEveryLinkLandsInsideIt) {
    const auto archive = ChmArchive::Open(SWATHKIT_HELP_FILE);
    ASSERT_NE(archive, nullptr) << SWATHKIT_HELP_FILE;
    EXPECT_EQ(archive->DefaultTopic(), "/index.htm");
    EXPECT_EQ(archive->Title(), "Swathkit Help");
    ASSERT_TRUE(archive->Read("/INDEX.HTM"));
    EXPECT_FALSE(archive->Read("/nothere.htm"));

    std::set<std::string> contents;
    for (const ContentsEntry& entry : archive->Contents()) contents.insert(entry.Local);
    for (const char* page :
         {"index.htm", "merging.htm", "window.htm", "backups.htm", "cardcopy.htm", "errors.htm"})
        EXPECT_TRUE(contents.count(page)) << page;

    const std::regex link(R"(href="([^"]*)\")", std::regex::icase);
    int links = 0;
    for (const std::string& object : archive->Objects()) {
        if (!object.ends_with(".htm"))
            continue;
        const std::string page = archive->Read(object).value_or("");
        for (std::sregex_iterator it(page.begin(), page.end(), link), end; it != end; ++it) {
            const std::string target = (*it)[1];
            const std::size_t hash = target.find('#');
            const std::string file = hash == 0 ? object : target.substr(0, hash);
            const auto linked = archive->Read(file);
            ++links;
            ASSERT_TRUE(linked) << object << " links to " << target;
            if (hash != std::string::npos) {
                const std::string anchor = "name=\"" + target.substr(hash + 1) + "\"";
                EXPECT_NE(linked->find(anchor), std::string::npos) << object << " -> " << target;
            }
        }
    }
    EXPECT_GT(links, 40);
}

TEST(HelpArchive, MissingGarbageAndDamagedFilesNeverCrash) {
    TempFolder folder;
    const auto file = folder.path() / "AB_Help.chm";
    EXPECT_EQ(ChmArchive::Open(file), nullptr);
    EXPECT_EQ(ChmArchive::Open(folder.path()), nullptr);
    Write(file, "");
    EXPECT_EQ(ChmArchive::Open(file), nullptr);
    Write(file, "This is not a help file at all.\n");
    EXPECT_EQ(ChmArchive::Open(file), nullptr);
    Write(file, std::string("ITSF") + std::string(200, '\xff'));
    EXPECT_EQ(ChmArchive::Open(file), nullptr);

    // Cut short at many places and scrambled in the middle: the archive
    // either refuses or answers every question without reading past what
    // is there.
    const std::string good = Bytes(SWATHKIT_HELP_FILE);
    ASSERT_GT(good.size(), 1000u);
    std::vector<std::string> damaged;
    for (std::size_t length : {std::size_t(4), std::size_t(60), std::size_t(100), std::size_t(400),
                               good.size() / 4, good.size() / 2, good.size() - 100})
        damaged.push_back(good.substr(0, length));
    for (std::size_t at : {good.size() / 3, good.size() / 2, good.size() - 2000}) {
        std::string scrambled = good;
        for (std::size_t i = at; i < at + 512 && i < scrambled.size(); ++i)
            scrambled[i] = char(scrambled[i] * 31 + 7);
        damaged.push_back(scrambled);
    }
    for (const std::string& bytes : damaged) {
        Write(file, bytes);
        if (const auto archive = ChmArchive::Open(file)) {
            const std::string topic = archive->DefaultTopic();
            (void)archive->Read(topic);
            (void)archive->Contents();
            for (const std::string& object : archive->Objects()) (void)archive->Read(object);
        }
    }
}

}  // namespace
}  // namespace swathkit
