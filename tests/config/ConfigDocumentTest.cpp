#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <random>
#include <sstream>

#include "config/ConfigDocument.h"
#include "platform/FileSystem.h"
#include "platform/Utf16Text.h"
#include "support/TempDir.h"

namespace ostrel {
namespace {

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

std::string Nested(int depth) {
  std::string text;
  for (int i = 0; i < depth; ++i) text += "<E>";
  for (int i = 0; i < depth; ++i) text += "</E>";
  return text;
}

TEST(ConfigDocument, ReaderCases) {
  struct Case {
    const char* what;
    std::string text;
    const char* tree;  // the tree written back; nullptr when the parse fails
  } cases[] = {
      {"empty root", "<Config></Config>", "<Config />\n"},
      {"quoted value", "<A>\"1\"</A>", "<A>\"1\"</A>\n"},
      {"single quotes", "<A>'x y'</A>", "<A>\"x y\"</A>\n"},
      {"unquoted words keep the last", "<A>x y</A>", "<A>\"y\"</A>\n"},
      {"empty quoted value", "<A>\"\"</A>", "<A />\n"},
      {"escapes", "<A>\"a\\\"b\\\\c\\x\"</A>", "<A>\"a\\\"b\\\\cx\"</A>\n"},
      {"quote and delimiters inside quotes", "<A>\"<&'/=>\"</A>", "<A>\"<&'/=>\"</A>\n"},
      {"later value replaces", "<A>\"1\" \"2\"</A>", "<A>\"2\"</A>\n"},
      {"attributes in order, duplicates kept", "<A k=\"v\" k='w' j=x/>",
       "<A k=\"v\" k=\"w\" j=\"x\" />\n"},
      {"attribute escapes", "<A k=\"a\\\"b\"></A>", "<A k=\"a\\\"b\" />\n"},
      {"value and children", "<A><B/>\"v\"<C>\"2\"</C></A>",
       "<A>\n\t<B />\n\t<C>\"2\"</C>\n\t\"v\"\n</A>\n"},
      {"closing tag with junk", "<A>\"1\"</A junk>", "<A>\"1\"</A>\n"},
      {"tokens after the root are ignored", "<A/> <B> junk", "<A />\n"},
      {"empty element ends at the last token", "<A/", "<A />\n"},
      {"white space everywhere", " \r\n\t< A\n>\t\"1\" <\n/ A >", "<A>\"1\"</A>\n"},
      {"empty file", "", nullptr},
      {"text before the root", "x<A/>", nullptr},
      {"unterminated element", "<A>\"1\"", nullptr},
      {"unterminated quote", "<A>\"1</A>", nullptr},
      {"missing =", "<A k \"v\"/>", nullptr},
      {"empty attribute value", "<A k=\"\"/>", nullptr},
      {"attribute value !", "<A k=\"!\"/>", nullptr},
      {"attribute value />", "<A k=\"/>\"/>", nullptr},
      {"value of exactly <", "<A>\"<\"</A>", nullptr},
      {"wrong closing name", "<A><B>\"1\"</C></A>", nullptr},
      {"names are case-sensitive", "<a>\"1\"</A>", nullptr},
      {"declaration", "<?xml version=\"1.0\"?><A/>", nullptr},
      {"comment", "<!-- note --><A/>", nullptr},
      {"name = is refused", "<=>\"1\"</=>", nullptr},
      {"attribute name ?", "<A ?=\"1\"/>", nullptr},
      {"nesting the program never writes", Nested(5000), nullptr},
  };
  for (const Case& c : cases) {
    ConfigDocument doc("/nonexistent");
    bool parsed = doc.Parse(c.text);
    EXPECT_EQ(parsed, c.tree != nullptr) << c.what;
    if (parsed && c.tree) {
      EXPECT_EQ(doc.Serialize(), c.tree) << c.what;
    }
    if (!parsed) {
      EXPECT_TRUE(doc.GetChildren().empty()) << c.what << ": no partial tree";
    }
  }
  ConfigDocument doc("/nonexistent");
  EXPECT_TRUE(doc.Parse(Nested(100))) << "moderate nesting still loads";
}

TEST(ConfigDocument, WritesTheProgramsLayout) {
  ConfigDocument doc("/nonexistent");
  doc.AddChild("WindowPosX", "10");
  doc.AddChild("CandidateColumnWidth", "-10").AddAttribute(ConfigAttribute("type", "10"));
  auto& profile = doc.AddChild("ConfigProfile");
  profile.AddAttribute(ConfigAttribute("name", "Default"));
  profile.AddAttribute(ConfigAttribute("selected", "Yes"));
  profile.AddChild("DestPath");
  profile.AddChild("ReportFilename", "<");
  EXPECT_EQ(doc.Serialize(),
            "<Config>\n"
            "\t<WindowPosX>\"10\"</WindowPosX>\n"
            "\t<CandidateColumnWidth type=\"10\">\"-10\"</CandidateColumnWidth>\n"
            "\t<ConfigProfile name=\"Default\" selected=\"Yes\">\n"
            "\t\t<DestPath />\n"
            "\t\t<ReportFilename />\n"
            "\t</ConfigProfile>\n"
            "</Config>\n")
      << "a value of exactly < is written as none, so that the file still reads";
}

TEST(ConfigDocument, SavesAndLoadsUtf16ByteForByte) {
  test::TempDir dir;
  std::string path = dir / "Ostrel.cfg";
  ConfigDocument doc(path);
  doc.AddChild("Path", "/m\xc3\xbcsic/\xff\xfe-not-utf8/\xf0\x9f\x8e\xb5");
  doc.AddChild("Quote", "say \"hi\" \\o/");
  ASSERT_TRUE(doc.Save());
  std::string bytes = ReadBytes(path);
  EXPECT_EQ(bytes, Utf16Text::Encode(doc.Serialize()));
  EXPECT_EQ(bytes.substr(0, 4), std::string("<\0C\0", 4)) << "no byte-order mark";

  ConfigDocument again(path);
  ASSERT_TRUE(again.Load());
  EXPECT_EQ(again.GetChildren()[0]->GetValue(), "/m\xc3\xbcsic/\xff\xfe-not-utf8/\xf0\x9f\x8e\xb5");
  EXPECT_EQ(again.GetChildren()[1]->GetValue(), "say \"hi\" \\o/");
  ASSERT_TRUE(again.Save());
  EXPECT_EQ(ReadBytes(path), bytes);
}

TEST(ConfigDocument, DamagedFilesDoNotLoad) {
  test::TempDir dir;
  std::string good = Utf16Text::Encode("<Config><A>\"1\"</A></Config>");
  struct Case {
    const char* what;
    std::string bytes;
  } cases[] = {
      {"byte-order mark", std::string("\xff\xfe", 2) + good},
      {"odd final byte", good + "x"},
      {"UTF-8 instead of UTF-16", "<Config></Config>"},
  };
  for (const Case& c : cases) {
    std::string path = dir.WriteFile("bad.cfg", c.bytes);
    ConfigDocument doc(path);
    EXPECT_FALSE(doc.Load()) << c.what;
  }
  ConfigDocument missing(dir / "missing.cfg");
  EXPECT_FALSE(missing.Load());
  ConfigDocument folder(dir.MakeFolder("folder.cfg"));
  EXPECT_FALSE(folder.Load());
  ConfigDocument fine(dir.WriteFile("good.cfg", good));
  EXPECT_TRUE(fine.Load());
}

// A configuration kept elsewhere and linked in stays linked: the file the
// link (or chain of links, relative or not) leads to is written.
TEST(ConfigDocument, SavesThroughLinks) {
  test::TempDir dir;
  dir.WriteFile("dotfiles/Ostrel.cfg", "old");
  const std::string links[] = {dir.MakeLink("absolute.cfg", dir / "dotfiles/Ostrel.cfg"),
                               dir.MakeLink("relative.cfg", "dotfiles/Ostrel.cfg"),
                               dir.MakeLink("chain.cfg", "relative.cfg")};
  for (const std::string& link : links) {
    ConfigDocument doc(link);
    doc.AddChild("Link", link);
    ASSERT_TRUE(doc.Save()) << link;
    EXPECT_TRUE(FileSystem::IsLink(link)) << link;
    ConfigDocument again(dir / "dotfiles/Ostrel.cfg");
    ASSERT_TRUE(again.Load());
    EXPECT_EQ(again.GetChildren().at(0)->GetValue(), link);
  }
  ConfigDocument dangling(dir.MakeLink("new.cfg", "dotfiles/new/../New.cfg"));
  dir.MakeFolder("dotfiles/new");
  ASSERT_TRUE(dangling.Save());
  EXPECT_TRUE(FileSystem::LookUp(dir / "dotfiles/New.cfg").IsRegular());
}

// A portable copy in a folder the user may not write to, with a writable
// file: no temporary file can be made there, so the file is written in
// place.
TEST(ConfigDocument, ReadOnlyFolderWithAWritableFile) {
  test::TempDir dir;
  const std::string folder = dir.MakeFolder("portable");
  const std::string path = dir.WriteFile("portable/Ostrel.cfg", std::string(5000, 'x'));
  chmod(dir.Path().c_str(), 0755);
  chmod(path.c_str(), 0666);
  chmod(folder.c_str(), 0555);
  std::optional<bool> saved = test::AsUnprivilegedUser([&] {
    ConfigDocument doc(path);
    doc.AddChild("Portable", "yes");
    return doc.Save();
  });
  chmod(folder.c_str(), 0755);
  if (!saved) GTEST_SKIP() << "no unprivileged user to be";
  EXPECT_TRUE(*saved);
  ConfigDocument again(path);
  ASSERT_TRUE(again.Load()) << "written whole, the old longer text cut off";
  EXPECT_EQ(again.GetChildren().at(0)->GetValue(), "yes");
}

// A process killed at any moment while it saves leaves the old file or the
// new one on disk, whole; never a mix or a truncated file.
TEST(ConfigDocument, AKillDuringASaveLeavesTheOldOrTheNewFile) {
  test::TempDir dir;
  const std::string path = dir / "Ostrel.cfg";
  auto fill = [](ConfigDocument& doc, const std::string& tag) {
    for (int i = 0; i < 20000; ++i) {
      doc.AddChild("Candidate").AddChild("FullName", "/home/user/Music/" + tag + std::to_string(i));
    }
  };
  ConfigDocument a(path);
  ConfigDocument b(path);
  fill(a, "a");
  fill(b, "bb");
  const std::string aBytes = Utf16Text::Encode(a.Serialize());
  const std::string bBytes = Utf16Text::Encode(b.Serialize());
  ASSERT_TRUE(a.Save());
  std::mt19937 random(12345);
  for (int round = 0; round < 30; ++round) {
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      while (a.Save() && b.Save()) {
      }
      _exit(1);
    }
    usleep(std::uniform_int_distribution<useconds_t>(0, 30000)(random));
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    std::string bytes = ReadBytes(path);
    ASSERT_TRUE(bytes == aBytes || bytes == bBytes)
        << "round " << round << ": " << bytes.size() << " bytes";
  }
}

TEST(ConfigDocument, FailedSaveLeavesTheOldFile) {
  test::TempDir dir;
  std::string folder = dir.MakeFolder("taken");
  dir.WriteFile("taken/keep", "x");
  ConfigDocument onFolder(folder);
  EXPECT_FALSE(onFolder.Save());
  EXPECT_FALSE(ConfigDocument(dir / "no/such/folder/Ostrel.cfg").Save());
  EXPECT_TRUE(test::RunCommand("test -z \"$(ls '" + dir.Path() + "' | grep -v '^taken$')\""))
      << "no temporary file is left behind";
}

}  // namespace
}  // namespace ostrel
