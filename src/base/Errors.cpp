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

EInOutError::EInOutError(int code) : Exception(InOutErrorText(code)), ErrorCode(code) {}
