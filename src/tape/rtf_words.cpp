#include "tape/rtf_words.h"

#include <unordered_map>

namespace qv {

RtfWord LookUpRtfWord(std::string_view name) {
  static const std::unordered_map<std::string_view, RtfWord> kWords = [] {
    std::unordered_map<std::string_view, RtfWord> words = {
        {"fonttbl", RtfWord::FontTable},
        {"colortbl", RtfWord::ColorTable},
        {"deff", RtfWord::DefaultFont},
        {"f", RtfWord::Font},
        {"fs", RtfWord::FontSize},
        {"b", RtfWord::Bold},
        {"i", RtfWord::Italic},
        {"ul", RtfWord::Underline},
        {"uld", RtfWord::Underline},
        {"uldash", RtfWord::Underline},
        {"uldb", RtfWord::Underline},
        {"ulth", RtfWord::Underline},
        {"ulw", RtfWord::Underline},
        {"ulwave", RtfWord::Underline},
        {"ulnone", RtfWord::UnderlineNone},
        {"cf", RtfWord::ColorIndex},
        {"red", RtfWord::Red},
        {"green", RtfWord::Green},
        {"blue", RtfWord::Blue},
        {"plain", RtfWord::Plain},
        {"pard", RtfWord::ParagraphDefault},
        {"ql", RtfWord::AlignLeft},
        {"qr", RtfWord::AlignRight},
        {"qc", RtfWord::AlignCenter},
        {"qj", RtfWord::AlignJustify},
        {"par", RtfWord::Paragraph},
        {"line", RtfWord::Paragraph},
        {"uc", RtfWord::UnicodeSkip},
        {"u", RtfWord::Unicode},
        {"bin", RtfWord::Bin},
        {"tab", RtfWord::Tab},
        {"emdash", RtfWord::EmDash},
        {"endash", RtfWord::EnDash},
        {"emspace", RtfWord::EmSpace},
        {"enspace", RtfWord::EnSpace},
        {"bullet", RtfWord::Bullet},
        {"lquote", RtfWord::LeftQuote},
        {"rquote", RtfWord::RightQuote},
        {"ldblquote", RtfWord::LeftDoubleQuote},
        {"rdblquote", RtfWord::RightDoubleQuote},
    };
    // Destinations whose content is not text of the document.
    for (std::string_view skipped : {"info",
                                     "stylesheet",
                                     "pict",
                                     "nonshppict",
                                     "shp",
                                     "object",
                                     "objdata",
                                     "header",
                                     "headerl",
                                     "headerr",
                                     "headerf",
                                     "footer",
                                     "footerl",
                                     "footerr",
                                     "footerf",
                                     "footnote",
                                     "fldinst",
                                     "listtable",
                                     "listoverridetable",
                                     "revtbl",
                                     "rsidtbl",
                                     "filetbl",
                                     "author",
                                     "operator",
                                     "title",
                                     "subject",
                                     "keywords",
                                     "comment",
                                     "doccomm",
                                     "annotation",
                                     "atnid",
                                     "atnauthor",
                                     "xe",
                                     "tc",
                                     "txe",
                                     "rxe",
                                     "pn",
                                     "generator",
                                     "template",
                                     "private",
                                     "userprops",
                                     "themedata",
                                     "colorschememapping",
                                     "datastore",
                                     "latentstyles",
                                     "pgdsctbl",
                                     "ftnsep",
                                     "ftnsepc",
                                     "ftncn",
                                     "aftnsep",
                                     "aftnsepc",
                                     "aftncn",
                                     "xmlnstbl",
                                     "mmathPr",
                                     "docvar",
                                     "bkmkstart",
                                     "bkmkend"}) {
      words.emplace(skipped, RtfWord::SkippedDestination);
    }
    return words;
  }();
  auto word = kWords.find(name);
  return word == kWords.end() ? RtfWord::Unknown : word->second;
}

char32_t RtfWordCharacter(RtfWord word) {
  switch (word) {
    case RtfWord::EmDash:
      return 0x2014;
    case RtfWord::EnDash:
      return 0x2013;
    case RtfWord::EmSpace:
      return 0x2003;
    case RtfWord::EnSpace:
      return 0x2002;
    case RtfWord::Bullet:
      return 0x2022;
    case RtfWord::LeftQuote:
      return 0x2018;
    case RtfWord::RightQuote:
      return 0x2019;
    case RtfWord::LeftDoubleQuote:
      return 0x201C;
    case RtfWord::RightDoubleQuote:
      return 0x201D;
    default:
      return 0;
  }
}

}  // namespace qv
