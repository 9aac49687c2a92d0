// MessageBoxes port: the platform's modal message boxes.
#pragma once

#include <string>

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Shows a modal box with an OK button; returns when the child has closed it.
    virtual void Show(const std::string& caption, const std::string& text) = 0;
    // A yes/no question: true when the answer is yes.
    [[nodiscard]] virtual bool AskYesNo(const std::string& caption, const std::string& text) = 0;
};
