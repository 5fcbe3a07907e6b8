// Records for tests are made one way: from their JSON form, with the class they are of.
#pragma once

#include <string>

#include "model/json/json_codec.h"

namespace zulparvo::testing {

// A record of class T with the fields of the JSON object ("{}" for the defaults).
template <class T>
T Make(const std::string& fields = "{}") {
  Json json = Json::parse(fields);
  json["class"] = T::ThisClass()->m_lpszClassName;
  return static_cast<T&>(*RecordFromJson(json, T::ThisClass()));
}

}  // namespace zulparvo::testing
