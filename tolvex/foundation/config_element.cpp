#include "tolvex/foundation/config_element.h"

#include <strings.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "tolvex/foundation/attr_w.h"
#include "tolvex/foundation/base_library_internal.h"
#include "tolvex/foundation/owned_text_internal.h"
#include "tolvex/foundation/storage_factory.h"

namespace {

// A lower-cased copy of `name`, which is neither null nor empty.
std::string lowerCaseKey(const char* name) {
  std::string key(name);
  base_library::_strlwr_s(&key[0], key.size() + 1);
  return key;
}

bool equalsIgnoringCase(const char* a, const char* b) {
  return a != nullptr && b != nullptr && strcasecmp(a, b) == 0;
}

}  // namespace

ConfigElement::ConfigElement()
    : type_(nullptr), elements_(nullptr), attributes_(nullptr) {}

ConfigElement::~ConfigElement() {
  free(type_);
  if (attributes_ != nullptr) {
    for (bool more = attributes_->firstElement() != nullptr; more;
         more = attributes_->nextElement() != nullptr) {
      // Only pointer entries hold attributes; checking first keeps a foreign
      // entry from making the cursor getter throw out of a destructor.
      if (attributes_->getType() == DATATYPE_POINTER) {
        delete static_cast<AttrW*>(attributes_->getPointer());
      }
    }
    attributes_->clear();
    delete attributes_;
  }
  if (elements_ != nullptr) {
    for (void* child = elements_->firstElement(); child != nullptr;
         child = elements_->nextElement()) {
      delete static_cast<ConfigElement*>(child);
    }
    delete elements_;
  }
}

void ConfigElement::init(char* type) {
  init(static_cast<const char*>(type));
}

void ConfigElement::init(const char* type) {
  char* copy = owned_text::duplicate(type != nullptr ? type : "");
  free(type_);
  type_ = copy;
  if (elements_ == nullptr) elements_ = StorageFactory::createVector("");
  if (attributes_ == nullptr) {
    attributes_ = StorageFactory::createHashTable("");
  }
}

const char* ConfigElement::getType() {
  return type_;
}

IHashTable* ConfigElement::getAttributes() {
  return attributes_;
}

IVector* ConfigElement::getElements() {
  return elements_;
}

bool ConfigElement::addElement(ConfigElement* element) {
  if (element == nullptr || element == this || elements_ == nullptr ||
      elements_->contains(element)) {
    return false;
  }
  elements_->addElement(element);
  return true;
}

bool ConfigElement::addAttribute(char const* name, char const* value) {
  if (name == nullptr || *name == '\0' || attributes_ == nullptr) return false;
  auto attribute = std::make_unique<AttrW>(name, value);
  const std::string key = lowerCaseKey(name);
  // Replacing the pointer of a name already stored allocates nothing, so
  // the earlier attribute goes only once the new one is in.
  AttrW* earlier = static_cast<AttrW*>(attributes_->getPointer(key.c_str()));
  attributes_->put(key.c_str(), static_cast<void*>(attribute.get()));
  // The table owns the attribute now.
  attribute.release();  // NOLINT(bugprone-unused-return-value)
  delete earlier;
  return true;
}

const char* ConfigElement::getAttribute(char const* name) {
  if (name == nullptr || *name == '\0' || attributes_ == nullptr) {
    return nullptr;
  }
  const AttrW* attribute =
      static_cast<AttrW*>(attributes_->getPointer(lowerCaseKey(name).c_str()));
  return attribute != nullptr ? attribute->value : nullptr;
}

IVector* ConfigElement::getElements(char* type) {
  return getElements(static_cast<const char*>(type));
}

IVector* ConfigElement::getElements(const char* type) {
  std::unique_ptr<IVector> found(StorageFactory::createVector(""));
  if (type == nullptr || *type == '\0' || elements_ == nullptr) {
    return found.release();
  }
  for (void* child = elements_->firstElement(); child != nullptr;
       child = elements_->nextElement()) {
    if (equalsIgnoringCase(static_cast<ConfigElement*>(child)->type_, type)) {
      found->addElement(child);
    }
  }
  return found.release();
}

IVector* ConfigElement::getElements(char const* type, char const* attrName,
                                    char const* attrValue) {
  std::unique_ptr<IVector> found(StorageFactory::createVector(""));
  if (type == nullptr || *type == '\0' || attrName == nullptr ||
      *attrName == '\0' || attrValue == nullptr || elements_ == nullptr) {
    return found.release();
  }
  for (void* child = elements_->firstElement(); child != nullptr;
       child = elements_->nextElement()) {
    ConfigElement* element = static_cast<ConfigElement*>(child);
    if (equalsIgnoringCase(element->type_, type) &&
        equalsIgnoringCase(element->getAttribute(attrName), attrValue)) {
      found->addElement(child);
    }
  }
  return found.release();
}
