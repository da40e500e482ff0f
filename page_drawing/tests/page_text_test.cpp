// Texts from the input files on the page: whatever bytes they hold, the
// page stays well-formed XML.
#include "page_drawing/page_text.h"

#include <gtest/gtest.h>

#include <string>

namespace vesmar {
namespace {

TEST(PageText, EscapesMarkupAndReplacesWhatXmlCannotHold) {
  EXPECT_EQ(xml("a<b>&\"c'"), "a&lt;b&gt;&amp;&quot;c&#39;");
  EXPECT_EQ(xml("caf\xC3\xA9 \xE2\x86\x92"), "caf\xC3\xA9 \xE2\x86\x92");  // well-formed UTF-8 stays
  const std::string replaced = "\xEF\xBF\xBD";
  for (const std::string& bad : {std::string("\x01"), std::string(1, '\0'), std::string("\x7F"), std::string("\xFF"),
                                 std::string("\xC3"), std::string("\xC0\xAF"), std::string("\xED\xA0\x80"),
                                 std::string("\xEF\xBF\xBE"), std::string("\xF4\x90\x80\x80")}) {
    const std::string escaped = xml("a" + bad + "b");
    EXPECT_TRUE(escaped.starts_with("a" + replaced) && escaped.ends_with("b") &&
                escaped.find_first_of("\x01\x7F") == std::string::npos)
        << escaped;
  }
  EXPECT_EQ(xml("tab\tline\n"), "tab\tline\n");
}

TEST(PageText, Numbers) {
  EXPECT_EQ(grouped(0), "0");
  EXPECT_EQ(grouped(999), "999");
  EXPECT_EQ(grouped(15072450), "15,072,450");
  EXPECT_EQ(grouped(-1234), "-1,234");
  EXPECT_EQ(decimal(123.456, 1), "123.5");
  EXPECT_EQ(decimal(1e300, 1).size(), 303u);
}

}  // namespace
}  // namespace vesmar
