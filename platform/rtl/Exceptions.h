#pragma once
// The exception classes of the runtime. Every error the program reports to the user is an
// Exception with a message text; EAbort is the silent one that unwinds without a report.
#include <cstdint>
#include <exception>
#include <string>

class Exception : public std::exception {
public:
    explicit Exception(std::string message = {}) : FMessage(std::move(message)) {}
    ~Exception() override;

    const std::string& Message() const { return FMessage; }
    void SetMessage(std::string message) { FMessage = std::move(message); }
    const char* what() const noexcept override { return FMessage.c_str(); }

    // Where in the file or stream reading failed, in bytes from its start; -1 when not known.
    // Readers of binary forms set it beside their usual message, so that a report can point at
    // the damage without changing the text the user knows.
    int64_t ByteOffset() const { return FByteOffset; }
    void SetByteOffset(int64_t offset) { FByteOffset = offset; }

private:
    std::string FMessage;
    int64_t FByteOffset = -1;
};

#define KV_EXCEPTION_CLASS(Name, Base) \
    class Name : public Base {         \
    public:                            \
        using Base::Base;              \
    };

KV_EXCEPTION_CLASS(EConvertError, Exception)
KV_EXCEPTION_CLASS(EAbort, Exception)
KV_EXCEPTION_CLASS(EInvalidCast, Exception)
KV_EXCEPTION_CLASS(EInvalidOperation, Exception)
KV_EXCEPTION_CLASS(EListError, Exception)
KV_EXCEPTION_CLASS(EOutOfMemory, Exception)
// Arithmetic errors share a base, as handlers sometimes catch them together.
KV_EXCEPTION_CLASS(EMathError, Exception)
KV_EXCEPTION_CLASS(EZeroDivide, EMathError)
KV_EXCEPTION_CLASS(EOverflow, EMathError)
KV_EXCEPTION_CLASS(EUnderflow, EMathError)
KV_EXCEPTION_CLASS(EInvalidOp, EMathError)
KV_EXCEPTION_CLASS(EIntError, Exception)
KV_EXCEPTION_CLASS(EDivByZero, EIntError)
KV_EXCEPTION_CLASS(ERangeError, EIntError)
KV_EXCEPTION_CLASS(EIntOverflow, EIntError)
// Streams and files.
KV_EXCEPTION_CLASS(EStreamError, Exception)
KV_EXCEPTION_CLASS(EReadError, EStreamError)
KV_EXCEPTION_CLASS(EWriteError, EStreamError)
KV_EXCEPTION_CLASS(EFilerError, EStreamError)
KV_EXCEPTION_CLASS(EFOpenError, EStreamError)
KV_EXCEPTION_CLASS(EFCreateError, EStreamError)
KV_EXCEPTION_CLASS(EInOutError, Exception)

// The runtime's texts for its own errors.
inline constexpr const char* SRangeError = "Range check error";
inline constexpr const char* SDivByZero = "Division by zero";
inline constexpr const char* SOperationAborted = "Operation aborted";

// Raises ERangeError; kept out of line so that the checked paths stay small.
[[noreturn]] void RaiseRangeError();
// Unwinds silently (EAbort).
[[noreturn]] void Abort();
