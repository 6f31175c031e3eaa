#pragma once
// Builds one JSON object as a single line of text.
#include <string>
#include <string_view>

class jsonLine {
  public:
    jsonLine &add(std::string_view key, std::string_view value);
    jsonLine &add(std::string_view key, const char *value) { return add(key, std::string_view(value)); }
    jsonLine &add(std::string_view key, bool value);
    jsonLine &add(std::string_view key, int value);
    jsonLine &add(std::string_view key, double value);
    jsonLine &addRaw(std::string_view key, std::string_view json); // a nested object or array
    std::string text() const { return "{" + body + "}"; }

  private:
    std::string body;
    void addKey(std::string_view key);
};

std::string jsonQuoted(std::string_view text);
