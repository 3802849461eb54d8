#include "Errors.h"

std::string InOutErrorText(int code)
{
    switch (code) {
    case ioFileNotFound: return "File not found";
    case ioReadBeyondEnd: return "Read beyond end of file";
    case ioDiskFull: return "Disk full";
    case ioInvalidInput: return "Invalid numeric input";
    }
    return "I/O error " + std::to_string(code);
}

std::string ErrorText(const std::exception& e)
{
    std::string text = e.what();
    const Exception* own = dynamic_cast<const Exception*>(&e);
    if (own && !own->File().empty() && text.find(own->File()) == std::string::npos)
        text += "\n" + own->File();
    return text;
}

InOutError::InOutError(int code) : Exception(InOutErrorText(code)), ErrorCode(code) {}
