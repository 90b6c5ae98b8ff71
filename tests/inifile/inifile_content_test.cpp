// The INI content: parsing, lookups, writes and the text written back.
#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/inifile.h"

namespace qv {
namespace {

using Names = std::vector<std::string>;
using namespace std::string_literals;

// ---- values come back exactly as written -------------------------------------------------

class VerbatimValue : public testing::TestWithParam<const char*> {};

TEST_P(VerbatimValue, SurvivesWriteAndRead) {
  IniFile ini = IniFile::FromBytes("");
  ini.WriteString("Waehrung", "0", GetParam());
  const std::string bytes = ini.ToBytes();
  EXPECT_EQ(bytes, std::string("[Waehrung]\n0=") + GetParam() + "\n");
  EXPECT_EQ(IniFile::FromBytes(bytes).ReadString("Waehrung", "0", "N/A"), GetParam());
}

INSTANTIATE_TEST_SUITE_P(Values, VerbatimValue,
                         testing::Values("EUR,Euro", "19,19", "2;0,5;", "C:\\Temp\\x.txt",
                                         "\"quoted\"", "\"", "'single'", " blanks around ", "a=b=c",
                                         "<<<END", "[no section]", ";no comment", "# no comment",
                                         "€ äöüß µ²", "\t", ""));

// ---- reading a given file ----------------------------------------------------------------

struct ReadCase {
  const char* name;
  const char* file;
  const char* section;
  const char* key;
  const char* expected;  // "N/A" when the key must be missing
};

class ReadFromFile : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadFromFile, FindsTheValue) {
  const ReadCase& c = GetParam();
  const IniFile ini = IniFile::FromBytes(c.file);
  EXPECT_EQ(ini.ReadString(c.section, c.key, "N/A"), c.expected);
  EXPECT_EQ(ini.ValueExists(c.section, c.key), std::string(c.expected) != "N/A");
}

INSTANTIATE_TEST_SUITE_P(
    Files, ReadFromFile,
    testing::Values(
        ReadCase{"MixedCaseKey", "[Config]\nposTop=120\n", "CONFIG", "PosTop", "120"},
        ReadCase{"MixedCaseSection", "[cOnFiG]\nnk=2\n", "Config", "NK", "2"},
        ReadCase{"UmlautIsNotFolded", "[Config]\nÄ=1\n", "Config", "ä", "N/A"},
        ReadCase{"BlanksAroundNames", "[ Config ]\n  nk  =2\n", " config", "nk ", "2"},
        ReadCase{"ValueKeepsItsBlanks", "[Config]\nnk = 2 \n", "Config", "nk", " 2 "},
        ReadCase{"FirstEqualsSplits", "[T]\nx=a=b\n", "T", "x", "a=b"},
        ReadCase{"EmptyValueExists", "[T]\nx=\n", "T", "x", ""},
        ReadCase{"BracketsInSectionName", "[Haus [alt]]\nfindex=0\n", "Haus [alt]", "findex", "0"},
        ReadCase{"TextAfterHeaderIgnored", "[A] ; note\nx=1\n", "A", "x", "1"},
        ReadCase{"EmptySectionName", "[]\nx=1\n", "", "x", "1"},
        ReadCase{"FirstOfRepeatedKeysCounts", "[T]\nx=1\nX=2\n", "T", "x", "1"},
        ReadCase{"RepeatedSectionJoinsTheFirst", "[A]\nx=1\n[B]\ny=2\n[a]\nz=3\n", "A", "z", "3"},
        ReadCase{"SemicolonComment", "[T]\n;x=1\n", "T", ";x", "N/A"},
        ReadCase{"HashComment", "[T]\n  #x=1\n", "T", "#x", "N/A"},
        ReadCase{"KeyBeforeAnySection", "x=1\n[T]\n", "", "x", "N/A"},
        ReadCase{"LineWithoutEquals", "[T]\njunk\n", "T", "junk", "N/A"},
        ReadCase{"EmptyKey", "[T]\n=1\n", "T", "", "N/A"},
        ReadCase{"UnclosedHeaderIsNoSection", "[T]\n[U\nx=1\n", "T", "x", "1"},
        ReadCase{"CrlfLineEnds", "[T]\r\nx=1\r\ny=2\r\n", "T", "y", "2"},
        ReadCase{"CrLineEnds", "[T]\rx=1\ry=2", "T", "x", "1"},
        ReadCase{"Bom", "\xEF\xBB\xBF[T]\nx=1\n", "T", "x", "1"},
        ReadCase{"BomsAtALineStart", "[T]\n\xEF\xBB\xBF\xEF\xBB\xBFx=1\n", "T", "x", "1"},
        ReadCase{"BomBehindAControlCharacter", "[T]\n\x0e\xEF\xBB\xBFx=1\n", "T", "x", "1"},
        ReadCase{"Windows1252Euro", "[Config]\nwaehr=\x80\n", "Config", "waehr", "€"},
        ReadCase{"Windows1252Umlauts", "[T]\nx=\xE4\xF6\xFC\xDF\n", "T", "x", "äöüß"},
        ReadCase{"Utf8LineBesideWindows1252Line", "[T]\nx=\xE2\x82\xAC\ny=\xE4\n", "T", "x", "€"}),
    [](const testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

// ---- integers and booleans ---------------------------------------------------------------

struct NumberCase {
  const char* value;
  int integer;   // ReadInteger with fallback 7
  bool boolean;  // ReadBool with fallback true
};

class NumberValue : public testing::TestWithParam<NumberCase> {};

TEST_P(NumberValue, ReadsDecimalIntegersOnly) {
  const NumberCase& c = GetParam();
  const IniFile ini = IniFile::FromBytes(std::string("[C]\nk=") + c.value + "\n");
  EXPECT_EQ(ini.ReadInteger("C", "k", 7), c.integer) << c.value;
  EXPECT_EQ(ini.ReadBool("C", "k", true), c.boolean) << c.value;
}

INSTANTIATE_TEST_SUITE_P(Values, NumberValue,
                         testing::Values(NumberCase{"0", 0, false}, NumberCase{"1", 1, true},
                                         NumberCase{"-12", -12, true},
                                         NumberCase{"15135474", 15135474, true},
                                         NumberCase{" 42\t", 42, true}, NumberCase{"+5", 5, true},
                                         NumberCase{"+-5", 7, true}, NumberCase{"0x10", 7, true},
                                         NumberCase{"12abc", 7, true}, NumberCase{"1,5", 7, true},
                                         NumberCase{"", 7, true}, NumberCase{"true", 7, true},
                                         NumberCase{"2147483647", 2147483647, true},
                                         NumberCase{"2147483648", 7, true}));

// A byte-order mark at a line start is invisible. A key that is only a mark, or a mark in front
// of "#", ";" or "[", would be written back as no entry, a comment or a header: such a line is
// no entry from the start, is kept as it is, and every key that is read can be written again.
class KeyBehindAByteOrderMark : public testing::TestWithParam<const char*> {};

TEST_P(KeyBehindAByteOrderMark, IsNoEntryAndTheLineRoundTrips) {
  IniFile ini = IniFile::FromBytes(GetParam());
  EXPECT_TRUE(ini.ReadSection("T").empty());
  const std::string written = ini.ToBytes();
  EXPECT_EQ(IniFile::FromBytes(written).ToBytes(), written);
}

INSTANTIATE_TEST_SUITE_P(Lines, KeyBehindAByteOrderMark,
                         testing::Values("[T]\n\x0e\xEF\xBB\xBF\t=1\n", "[T]\n\xEF\xBB\xBF#=1\n",
                                         "[T]\n\xEF\xBB\xBF;x=1\n", "[T]\n\x16\xEF\xBB\xBF[[=\n"));

// Found by fuzzing: a "#" key behind a mark was read as an entry and could not be written.
TEST(IniContent, EveryKeyReadCanBeWrittenBack) {
  for (const char* bytes :
       {"\r\r\r\r\r\r\xd5=,\r=,\r\r\r [\xf5\\#=\n[]\xc2\xd5\xa8\xcf\n[\r\r "
        "\xef\xbb\xbf#=\n[]\xc2\xd5\xa8\xcf\n[\x01\xa4)   ==\xa0\n\xa4\xd5",
        "[]h[\xff\xbf\xff\xff\xff\xff]*\xff\xff\xff\xff\xff\xff\xff\xff\xff\xff\x01!"
        "\r\x16\xef\xbb\xbf[[=\n[\r=\xa1"}) {
    IniFile ini = IniFile::FromBytes(bytes);
    for (const std::string& section : ini.ReadSections()) {
      for (const std::string& key : ini.ReadSection(section)) {
        EXPECT_NO_THROW(ini.WriteString(section, key, ini.ReadString(section, key, "")));
      }
    }
  }
}

TEST(IniContent, MissingKeysGiveTheFallback) {
  const IniFile ini = IniFile::FromBytes("[Config]\nnk=2\n");
  EXPECT_EQ(ini.ReadInteger("Config", "Dezimals", 3), 3);
  EXPECT_FALSE(ini.ReadBool("Config", "VST", false));
  EXPECT_TRUE(ini.ReadBool("Nirgends", "VST", true));
  EXPECT_EQ(ini.ReadString("Config", "waehr", "DM"), "DM");
}

TEST(IniContent, WritesIntegersInDecimalAndBooleansAsOneAndZero) {
  IniFile ini = IniFile::FromBytes("");
  ini.WriteInteger("Config", "PosTop", -15);
  ini.WriteInteger("Config", "Farbe1", 9667432);
  ini.WriteBool("Config", "Erweitern", true);
  ini.WriteBool("Config", "TextBox", false);
  EXPECT_EQ(ini.ToBytes(), "[Config]\nPosTop=-15\nFarbe1=9667432\nErweitern=1\nTextBox=0\n");
}

// ---- order and untouched content ---------------------------------------------------------

TEST(IniContent, RewriteKeepsOrderAndAppendsNewKeysAndSections) {
  IniFile ini = IniFile::FromBytes("[B]\nb2=1\nb1=2\n[A]\na=1\n");
  ini.WriteString("a", "NEW", "x");
  ini.WriteString("b", "B1", "changed");
  ini.WriteString("C", "c", "3");
  EXPECT_EQ(ini.ToBytes(), "[B]\nb2=1\nb1=changed\n[A]\na=1\nNEW=x\n[C]\nc=3\n");
  EXPECT_EQ(ini.ReadSections(), (Names{"B", "A", "C"}));
  EXPECT_EQ(ini.ReadSection("b"), (Names{"b2", "b1"}));
}

TEST(IniContent, NamesKeepTheirFirstSpelling) {
  IniFile ini = IniFile::FromBytes("[config]\nposTop=1\n");
  ini.WriteInteger("Config", "PosTop", 5);
  EXPECT_EQ(ini.ToBytes(), "[config]\nposTop=5\n");
}

TEST(IniContent, CommentsBlankLinesAndForeignSectionsSurvive) {
  const std::string file =
      "; Quorvel\n"
      "stray line\n"
      "\n"
      "[Config]\n"
      "; colours\n"
      "Farbe1=1\n"
      "not an entry\n"
      "\n"
      "# the finance records\n"
      "[Haus [alt]]\n"
      "findex = 0\n"
      "Betrag=100000,00\n"
      "unknown=\"x\"\n";
  IniFile ini = IniFile::FromBytes(file);
  ini.WriteInteger("Config", "Farbe1", 2);
  ini.WriteInteger("Config", "nk", 3);
  EXPECT_EQ(ini.ToBytes(),
            "; Quorvel\n"
            "stray line\n"
            "\n"
            "[Config]\n"
            "; colours\n"
            "Farbe1=2\n"
            "nk=3\n"
            "not an entry\n"
            "\n"
            "# the finance records\n"
            "[Haus [alt]]\n"
            "findex= 0\n"
            "Betrag=100000,00\n"
            "unknown=\"x\"\n");
}

TEST(IniContent, RepeatedSectionsAndKeysAreJoinedOnRewrite) {
  const IniFile ini = IniFile::FromBytes("[A]\nx=1\nx=2\n[B]\ny=2\n[a]\nz=3\nX=4\n");
  EXPECT_EQ(ini.ToBytes(), "[A]\nx=1\nz=3\n[B]\ny=2\n");
}

// ---- erasing -----------------------------------------------------------------------------

TEST(IniContent, EraseSectionRemovesItsKeysAndCommentsAndANewOneGoesToTheEnd) {
  IniFile ini = IniFile::FromBytes("[Waehrung]\n; list\n0=EUR,Euro\n1=USD,Dollar\n[Kurse]\n0=1\n");
  ini.EraseSection("WAEHRUNG");
  EXPECT_FALSE(ini.SectionExists("Waehrung"));
  EXPECT_FALSE(ini.ValueExists("Waehrung", "0"));
  EXPECT_EQ(ini.ReadSections(), (Names{"Kurse"}));
  ini.WriteString("Waehrung", "0", "CHF,Franken");
  EXPECT_EQ(ini.ToBytes(), "[Kurse]\n0=1\n[Waehrung]\n0=CHF,Franken\n");
  ini.EraseSection("Nirgends");
  EXPECT_EQ(ini.ReadSections(), (Names{"Kurse", "Waehrung"}));
}

TEST(IniContent, DeleteKeyRemovesOneEntry) {
  IniFile ini = IniFile::FromBytes("[T]\na=1\nb=2\nc=3\n");
  ini.DeleteKey("t", "B");
  ini.DeleteKey("t", "missing");
  EXPECT_FALSE(ini.ValueExists("T", "b"));
  EXPECT_EQ(ini.ReadString("T", "c", ""), "3");
  ini.WriteString("T", "b", "again");
  EXPECT_EQ(ini.ToBytes(), "[T]\na=1\nc=3\nb=again\n");
}

TEST(IniContent, ASectionWithoutKeysDoesNotExist) {
  IniFile ini = IniFile::FromBytes("[Leer]\n; nothing\n[Voll]\nx=1\n");
  EXPECT_FALSE(ini.SectionExists("Leer"));
  EXPECT_TRUE(ini.SectionExists("voll"));
  EXPECT_EQ(ini.ReadSections(), (Names{"Voll"}));
  ini.DeleteKey("Voll", "x");
  EXPECT_FALSE(ini.SectionExists("Voll"));
}

// ---- names and values that cannot be stored as they are ----------------------------------

TEST(IniContent, LineBreaksInNamesAndValuesBecomeBlanks) {
  IniFile ini = IniFile::FromBytes("");
  ini.WriteString("Haus\nneu", "k", "a\r\nb\nc");
  const IniFile again = IniFile::FromBytes(ini.ToBytes());
  EXPECT_EQ(again.ReadString("Haus neu", "k", "N/A"), "a  b c");
  EXPECT_EQ(again.ReadSections(), (Names{"Haus neu"}));
}

class UnstorableKey : public testing::TestWithParam<const char*> {};

TEST_P(UnstorableKey, IsRefused) {
  IniFile ini = IniFile::FromBytes("");
  EXPECT_THROW(ini.WriteString("T", GetParam(), "1"), std::invalid_argument);
  EXPECT_EQ(ini.ToBytes(), "");
}

INSTANTIATE_TEST_SUITE_P(Keys, UnstorableKey,
                         testing::Values("", "  ", "a=b", "[x", ";x", "#x", "\n"));

// ---- damaged content ---------------------------------------------------------------------

TEST(IniContent, LinesWithNulBytesAreDroppedAndReported) {
  const IniFile ini = IniFile::FromBytes(
      "[T]\nx=1\n\x7F"
      "ELF\0\0\x01\nbad=\0\ny=2\n"s);
  EXPECT_EQ(ini.LoadResult().state, IniLoadState::kPartlyRead);
  EXPECT_EQ(ini.LoadResult().reason, "2 Zeilen mit Nullbytes (kein Text) wurden übergangen");
  EXPECT_EQ(ini.ReadString("T", "y", ""), "2");
  EXPECT_FALSE(ini.ValueExists("T", "bad"));
}

TEST(IniContent, OverlongLinesAreDroppedAndReported) {
  const std::string huge(2 << 20, 'x');
  const std::string edge(IniFile::kMaxLineBytes - 2, '\x80');  // 3 bytes each in UTF-8
  const IniFile ini =
      IniFile::FromBytes("[T]\nx=1\nlong=" + huge + "\ny=2\nw=" + edge + "\n" + "z=\0\n"s);
  EXPECT_EQ(ini.LoadResult().state, IniLoadState::kPartlyRead);
  EXPECT_EQ(ini.LoadResult().reason,
            "1 Zeile mit Nullbytes (kein Text) und 2 Zeilen länger als 64 KiB wurden übergangen");
  EXPECT_EQ(ini.ReadSection("T"), (Names{"x", "y"}));
}

TEST(IniContent, ALongLineWithinTheLimitIsKept) {
  const std::string value(IniFile::kMaxLineBytes - 2, 'v');
  const IniFile ini = IniFile::FromBytes("[T]\nk=" + value + "\n");
  EXPECT_EQ(ini.LoadResult().state, IniLoadState::kRead);
  EXPECT_EQ(ini.ReadString("T", "k", ""), value);
}

}  // namespace
}  // namespace qv
