// Error types that escape event handlers and reach the application's error report.
#pragma once
#include <stdexcept>
#include <string>

// Base for every error the program reports to the user. Messages are kept as
// wide text so that they can name the offending text exactly as the user typed it.
class EDayloomError : public std::runtime_error {
public:
    explicit EDayloomError(std::wstring message)
        : std::runtime_error("Dayloom error"), message_(std::move(message)) {}
    const std::wstring& Message() const noexcept { return message_; }

private:
    std::wstring message_;
};

// Text that does not convert to a number, a date or a time.
class EConvertError : public EDayloomError {
public:
    using EDayloomError::EDayloomError;
};

// The settings store refused an operation (a key that cannot be created, a value
// of the wrong type).
class ERegistryError : public EDayloomError {
public:
    using EDayloomError::EDayloomError;
};

// A file could not be read or written.
class EFileError : public EDayloomError {
public:
    using EDayloomError::EDayloomError;
};
