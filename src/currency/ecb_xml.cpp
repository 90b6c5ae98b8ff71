// The bank's XML files: a gesmes envelope holding one Cube, which holds a Cube for each day
// (attribute time="2024-06-28"), which holds a Cube for each currency (currency="USD",
// rate="1.0705"). The history files list many days, the newest first; the newest is taken
// whatever the order.
#include <pugixml.hpp>

#include "currency/ecb_format.h"

namespace qv::ecb {

namespace {

constexpr std::string_view kGesmes = "http://www.gesmes.org/xml/2002-08-01";
constexpr std::string_view kEurofxref = "http://www.ecb.int/vocabulary/2002-08-01/eurofxref";

// The namespace of an element's name: the nearest declaration of its prefix, or of the default
// namespace for a name without one, on the element or above it. The parser leaves this to us.
std::string_view NamespaceOf(const pugi::xml_node& element) {
  const std::string_view name = element.name();
  const size_t colon = name.find(':');
  const std::string declaration =
      colon == std::string_view::npos ? "xmlns" : "xmlns:" + std::string(name.substr(0, colon));
  for (pugi::xml_node node = element; node.type() == pugi::node_element; node = node.parent())
    if (const pugi::xml_attribute attribute = node.attribute(declaration.c_str()))
      return attribute.value();
  return {};
}

bool Is(const pugi::xml_node& node, std::string_view localName, std::string_view ns) {
  if (node.type() != pugi::node_element) return false;
  std::string_view name = node.name();
  if (const size_t colon = name.find(':'); colon != std::string_view::npos)
    name.remove_prefix(colon + 1);
  return name == localName && NamespaceOf(node) == ns;
}

bool IsCube(const pugi::xml_node& node) {
  return Is(node, "Cube", kEurofxref);
}

}  // namespace

EcbReading ReadXml(std::string_view bytes) {
  pugi::xml_document document;
  // The parser expands only the predefined entities and character references: a document type
  // declaration cannot make it read other files or blow up.
  if (!document.load_buffer(bytes.data(), bytes.size(), pugi::parse_default, pugi::encoding_auto))
    return Refused(kNotEcbFormat);
  const pugi::xml_node envelope = document.document_element();
  if (!Is(envelope, "Envelope", kGesmes)) return Refused(kNotEcbFormat);
  pugi::xml_node days;
  for (const pugi::xml_node& child : envelope.children()) {
    if (!IsCube(child)) continue;
    if (days) return Refused(kNotEcbFormat);
    days = child;
  }
  if (!days) return Refused(kNotEcbFormat);

  pugi::xml_node newest;
  int newestDate = 0;
  bool twice = false;  // two lists for the newest day
  for (const pugi::xml_node& day : days.children()) {
    if (!IsCube(day)) return Refused(kNotEcbFormat);
    const pugi::xml_attribute time = day.attribute("time");
    if (!time) return Refused(kNotEcbFormat);
    const std::optional<int> date = IsoDate(time.value());
    if (!date) return Refused(InvalidDate(time.value()));
    if (!newest || *date > newestDate) {
      newest = day;
      newestDate = *date;
      twice = false;
    } else if (*date == newestDate) {
      twice = true;
    }
  }
  if (!newest) return Refused(kNoRates);
  if (twice) return Refused(kNotEcbFormat);

  std::vector<std::pair<std::string_view, std::string_view>> rates;
  for (const pugi::xml_node& rate : newest.children()) {
    const pugi::xml_attribute currency = rate.attribute("currency");
    const pugi::xml_attribute value = rate.attribute("rate");
    if (!IsCube(rate) || !currency || !value) return Refused(kNotEcbFormat);
    rates.emplace_back(currency.value(), value.value());
  }
  return TakeDay(newestDate, rates);
}

}  // namespace qv::ecb
