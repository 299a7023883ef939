#include "tolvex/foundation/config_element.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "tolvex/foundation/attr_w.h"

namespace {

// An initialised element of the given type.
ConfigElement* element(const char* type) {
  ConfigElement* made = new ConfigElement();
  made->init(type);
  return made;
}

// The elements of a vector returned by a filtered getElements, which is
// deleted here.
std::vector<void*> drain(IVector* found) {
  std::unique_ptr<IVector> owned(found);
  std::vector<void*> elements;
  for (int i = 0; i < found->size(); ++i) {
    elements.push_back(found->elementAt(i));
  }
  return elements;
}

TEST(ConfigElement, AttributeNamesIgnoreCaseButKeepTheirSpelling) {
  ConfigElement root;
  root.init("server");
  EXPECT_TRUE(root.addAttribute("Host", "a"));
  for (const char* name : {"HOST", "host", "Host"}) {
    EXPECT_STREQ("a", root.getAttribute(name)) << name;
  }
  const AttrW* stored =
      static_cast<AttrW*>(root.getAttributes()->getPointer("host"));
  ASSERT_NE(nullptr, stored);
  EXPECT_STREQ("Host", stored->name);
  // Only ASCII letters fold: the byte 0xC9 is not the same name as 0xE9.
  EXPECT_TRUE(root.addAttribute("\xC9t\xC9", "upper"));
  EXPECT_EQ(nullptr, root.getAttribute("\xE9t\xE9"));
}

TEST(ConfigElement, SameNameInAnotherCaseReplacesTheAttribute) {
  ConfigElement root;
  root.init("server");
  EXPECT_TRUE(root.addAttribute("port", "1"));
  EXPECT_TRUE(root.addAttribute("PORT", "2"));
  EXPECT_EQ(1, root.getAttributes()->size());
  EXPECT_STREQ("2", root.getAttribute("Port"));
  EXPECT_STREQ(
      "PORT",
      static_cast<AttrW*>(root.getAttributes()->getPointer("port"))->name);
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
  EXPECT_EQ(nullptr, root.getAttribute("missing"));
  EXPECT_EQ(nullptr, root.getAttribute(nullptr));
  EXPECT_EQ(nullptr, root.getAttribute(""));
}

TEST(ConfigElement, TypeFilterKeepsInsertionOrderAndOwnership) {
  ConfigElement root;
  root.init("root");
  ConfigElement* first = element("Server");
  ConfigElement* second = element("SERVER");
  ConfigElement* client = element("client");
  EXPECT_TRUE(root.addElement(first));
  EXPECT_TRUE(root.addElement(client));
  EXPECT_TRUE(root.addElement(second));

  EXPECT_EQ((std::vector<void*>{first, second}),
            drain(root.getElements("server")));
  // Deleting the result left the children with their parent.
  EXPECT_EQ(3, root.getElements()->size());
  EXPECT_STREQ("client", client->getType());

  EXPECT_TRUE(drain(root.getElements("")).empty());
  EXPECT_TRUE(drain(root.getElements(nullptr)).empty());
  EXPECT_TRUE(drain(root.getElements("nothing")).empty());
}

TEST(ConfigElement, AttributeFilterComparesValuesIgnoringCase) {
  ConfigElement root;
  root.init("root");
  ConfigElement* primary = element("url");
  primary->addAttribute("Name", "Primary");
  ConfigElement* backup = element("URL");
  backup->addAttribute("name", "backup");
  ConfigElement* unnamed = element("url");
  ConfigElement* other = element("proxy");
  other->addAttribute("name", "primary");
  for (ConfigElement* child : {primary, backup, unnamed, other}) {
    root.addElement(child);
  }

  EXPECT_EQ((std::vector<void*>{primary}),
            drain(root.getElements("url", "NAME", "PRIMARY")));
  EXPECT_EQ((std::vector<void*>{backup}),
            drain(root.getElements("Url", "name", "backup")));
  // Every null, and an empty type or name, gives an empty result.
  EXPECT_TRUE(drain(root.getElements(nullptr, "name", "backup")).empty());
  EXPECT_TRUE(drain(root.getElements("url", nullptr, "backup")).empty());
  EXPECT_TRUE(drain(root.getElements("url", "name", nullptr)).empty());
  EXPECT_TRUE(drain(root.getElements("", "name", "backup")).empty());
  EXPECT_TRUE(drain(root.getElements("url", "", "backup")).empty());
}

TEST(ConfigElement, OwnsItsTreeOnceAndDeletesItRecursively) {
  // Run under the leak checker: every level holds attributes and children.
  ConfigElement* root = element("root");
  EXPECT_FALSE(root->addElement(nullptr));
  EXPECT_FALSE(root->addElement(root));
  ConfigElement* middle = element("middle");
  ConfigElement* leaf = element("leaf");
  leaf->addAttribute("a", "1");
  middle->addAttribute("b", "2");
  middle->addElement(leaf);
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
  EXPECT_EQ(nullptr, blank.getElements());
  EXPECT_EQ(nullptr, blank.getAttributes());
  EXPECT_FALSE(blank.addAttribute("a", "1"));
  EXPECT_EQ(nullptr, blank.getAttribute("a"));
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
