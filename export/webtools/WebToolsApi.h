#pragma once
// The entry points of libQuilloryWebTools.so, the module that holds libcurl,
// libxml2 and libxslt (and the forty libraries behind them). The program
// loads it on first use (export/WebTools.cpp), so that starting Quillory does
// not load them. Module and program are built together with the same C++
// library, so the entry points pass the program's own types.

#include <atomic>
#include <string>

struct NewsRequest;
struct NewsResult;
struct XslResult;

#define QUILLORY_WEBTOOLS_EXPORT extern "C" __attribute__((visibility("default")))

extern "C" {
using QuilloryXslWellFormedFn = bool (*)(const std::string* bytes, std::string* error);
using QuilloryXslStylesheetOfFn = void (*)(const std::string* bytes, const std::string* path,
                                           std::string* href, std::string* error);
using QuilloryXslWithStylesheetFn = void (*)(const std::string* bytes, const std::string* href,
                                             XslResult* result);
using QuilloryXslApplyFn = void (*)(const std::string* bytes, const std::string* path,
                                    const std::string* stylesheet, const std::string* encoding,
                                    XslResult* result);
using QuilloryDownloadFn = void (*)(const NewsRequest* request, const std::atomic<bool>* cancel,
                                    NewsResult* result);
}
