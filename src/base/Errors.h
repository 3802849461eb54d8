// Run-time errors of the program. Every file and number failure ends the
// handler that raised it; the toolkit catches it at the window-procedure
// boundary and shows its text in the standard error box.
#pragma once
#include <exception>
#include <string>

// Not a std::runtime_error: that class keeps its text in a second string
// implementation of the run time's, tens of kilobytes of the program.
class Exception : public std::exception {
public:
    explicit Exception(std::string message) : Message(std::move(message)) {}
    const char* what() const noexcept override { return Message.c_str(); }
    // The file the failure concerns, when known: the error box shows it
    // below the text.
    const std::string& File() const { return Path; }
    void NameFile(const std::string& path)
    {
        if (Path.empty())
            Path = path;
    }

private:
    std::string Message;
    std::string Path;
};

// Runs `work`; an error it raises that names no file yet names `path`.
template <typename Work>
void AboutFile(const std::string& path, Work work)
{
    try {
        work();
    } catch (Exception& e) {
        e.NameFile(path);
        throw;
    }
}

// What the error box says: the text, and below it the file it concerns
// unless the text names it already.
std::string ErrorText(const std::exception& e);

// File failures carry the operating system's error code (Windows numbering;
// 100 and up are the run time's own, as in "Read beyond end of file").
class InOutError : public Exception {
public:
    explicit InOutError(int code);
    int ErrorCode;
};

class ConvertError : public Exception {
public:
    using Exception::Exception;
};

class RegistryError : public Exception {
public:
    using Exception::Exception;
};

// A picture file that is not a valid bitmap ("Bitmap image is not valid").
class InvalidPicture : public Exception {
public:
    InvalidPicture() : Exception("Bitmap image is not valid") {}
};

// A file that cannot be opened for reading a picture: "Cannot open file
// "<path>". <the system's reason>".
class FileOpenError : public Exception {
public:
    using Exception::Exception;
};

// Run-time I/O codes that are not operating-system codes.
enum : int {
    ioFileNotFound = 2,
    ioAccessDenied = 5,
    ioReadBeyondEnd = 100,
    ioDiskFull = 101,
    ioInvalidInput = 106,
};

std::string InOutErrorText(int code);
