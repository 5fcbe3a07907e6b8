// Records for tests are made one way: from their JSON form, with the class they are of.
#pragma once

#include <string>

#include "model/json/json_codec.h"

namespace zulparvo::testing {

// A record of class T with the fields of the JSON object (none: the defaults).
template <class T>
T Make(Json fields = Json::object()) {
  fields["class"] = T::ThisClass()->m_lpszClassName;
  return static_cast<T&>(*RecordFromJson(fields, T::ThisClass()));
}

template <class T>
T Make(const std::string& fields) {
  return Make<T>(Json::parse(fields));
}

}  // namespace zulparvo::testing
