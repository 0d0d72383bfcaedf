#pragma once
// The texts of one language for the life of the object, the language before given back afterwards.
#include "common/Catalogue.h"

namespace dokkle::testing {

class InLanguage {
  public:
    explicit InLanguage(Language language) : before_(CurrentLanguage()) { SetLanguage(language); }
    ~InLanguage() { SetLanguage(before_); }
    InLanguage(const InLanguage&) = delete;
    InLanguage& operator=(const InLanguage&) = delete;

  private:
    Language before_;
};

}  // namespace dokkle::testing
