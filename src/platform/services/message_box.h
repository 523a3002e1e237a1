#pragma once

#include <string>

namespace kvirlo {

// The platform's message box flags and answers.
namespace mb {
constexpr int OkOnly = 0;
constexpr int YesNo = 4;
constexpr int Buttons = 7;  // the part of the flags that names the buttons
constexpr int Critical = 16;
constexpr int Question = 32;
constexpr int Exclamation = 48;
constexpr int Information = 64;
constexpr int Icon = 112;   // the part of the flags that names the icon
constexpr int AnswerOk = 1;
constexpr int AnswerYes = 6;
constexpr int AnswerNo = 7;
}  // namespace mb

// A modal message box: text, flags, title; returns the button pressed.
class MessageBox {
 public:
  virtual ~MessageBox() = default;
  virtual int show(const std::string& text, int flags, const std::string& title) = 0;
};

}  // namespace kvirlo
