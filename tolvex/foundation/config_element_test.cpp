#include "tolvex/foundation/config_element.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "tolvex/foundation/attr_w.h"

namespace {

// An initialised element of the given type, with an attribute when named.
ConfigElement* element(const char* type, const char* name = nullptr,
                       const char* value = nullptr) {
  ConfigElement* made = new ConfigElement();
  made->init(type);
  if (name != nullptr) made->addAttribute(name, value);
  return made;
}

// The elements of a filtered getElements result, which is deleted here.
std::vector<void*> drain(IVector* found) {
  std::unique_ptr<IVector> owned(found);
  std::vector<void*> elements;
  for (int i = 0; i < found->size(); ++i) {
    elements.push_back(found->elementAt(i));
  }
  return elements;
}

// Names ignore ASCII case; a put in another case replaces the spelling too.
TEST(ConfigElement, AttributeNamesIgnoreCaseButKeepTheirSpelling) {
  ConfigElement root;
  root.init("server");
  EXPECT_TRUE(root.addAttribute("Host", "a"));
  EXPECT_TRUE(root.addAttribute("HOST", "b"));
  EXPECT_STREQ("b", root.getAttribute("host"));
  EXPECT_EQ(1, root.getAttributes()->size());
  EXPECT_STREQ(
      "HOST",
      static_cast<AttrW*>(root.getAttributes()->getPointer("host"))->name);
  EXPECT_TRUE(root.addAttribute("\xC9t\xC9", "upper"));
  EXPECT_EQ(nullptr, root.getAttribute("\xE9t\xE9"));
}

TEST(ConfigElement, BadAttributeArgumentsStoreNothingOrEmpty) {
  ConfigElement root;
  root.init(nullptr);
  EXPECT_STREQ("", root.getType());
  EXPECT_FALSE(root.addAttribute(nullptr, "v"));
  EXPECT_FALSE(root.addAttribute("", "v"));
  EXPECT_EQ(0, root.getAttributes()->size());
  EXPECT_TRUE(root.addAttribute("empty", nullptr));
  EXPECT_STREQ("", root.getAttribute("empty"));
  EXPECT_EQ(nullptr, root.getAttribute(nullptr));
}

// Types and values ignore case; the result keeps order and owns nothing.
TEST(ConfigElement, FiltersMatchIgnoringCaseInInsertionOrder) {
  ConfigElement root;
  root.init("root");
  ConfigElement* primary = element("url", "Name", "Primary");
  ConfigElement* backup = element("URL", "name", "backup");
  ConfigElement* unnamed = element("Url");
  ConfigElement* other = element("proxy", "name", "primary");
  for (ConfigElement* child : {primary, other, backup, unnamed}) {
    EXPECT_TRUE(root.addElement(child));
  }
  EXPECT_EQ((std::vector<void*>{primary, backup, unnamed}),
            drain(root.getElements("uRL")));
  // Deleting the result left the children with their parent.
  EXPECT_EQ(4, root.getElements()->size());
  EXPECT_STREQ("Url", unnamed->getType());
  EXPECT_EQ((std::vector<void*>{primary}),
            drain(root.getElements("url", "NAME", "PRIMARY")));
  // Every null, and an empty type or name, gives an empty result.
  EXPECT_TRUE(drain(root.getElements("")).empty());
  EXPECT_TRUE(drain(root.getElements(nullptr)).empty());
  EXPECT_TRUE(drain(root.getElements(nullptr, "name", "backup")).empty());
  EXPECT_TRUE(drain(root.getElements("url", nullptr, "backup")).empty());
  EXPECT_TRUE(drain(root.getElements("url", "name", nullptr)).empty());
  EXPECT_TRUE(drain(root.getElements("url", "", "backup")).empty());
}

TEST(ConfigElement, OwnsItsTreeOnceAndDeletesItRecursively) {
  // Run under the leak checker: every level holds attributes and children.
  ConfigElement* root = element("root");
  EXPECT_FALSE(root->addElement(nullptr));
  EXPECT_FALSE(root->addElement(root));
  ConfigElement* middle = element("middle", "b", "2");
  middle->addElement(element("leaf", "a", "1"));
  EXPECT_TRUE(root->addElement(middle));
  EXPECT_FALSE(root->addElement(middle));
  EXPECT_EQ(1, root->getElements()->size());
  root->addAttribute("c", "3");
  delete root;
}

TEST(ConfigElement, ElementBeforeInitIsInertAndSafe) {
  ConfigElement blank;
  ConfigElement* child = element("child");
  EXPECT_EQ(nullptr, blank.getType());
  EXPECT_EQ(nullptr, blank.getAttributes());
  EXPECT_FALSE(blank.addAttribute("a", "1"));
  EXPECT_FALSE(blank.addElement(child));
  EXPECT_TRUE(drain(blank.getElements("child")).empty());
  delete child;
  // A repeated init replaces only the type.
  blank.init("first");
  blank.addAttribute("kept", "yes");
  blank.init("second");
  EXPECT_STREQ("second", blank.getType());
  EXPECT_STREQ("yes", blank.getAttribute("kept"));
}

}  // namespace
