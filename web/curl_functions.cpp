#include "web/curl_functions.h"

#include "platform/library.h"

namespace vq {
namespace {

constexpr const char* kCurlLibrary = "libcurl.so.4";

template <typename Function>
Function Bind(const char* name) {
  return reinterpret_cast<Function>(
      BindLibraryFunctionOrDie(kCurlLibrary, name, LibrarySearch::kSystemDirectoryOnly));
}

CurlFunctions BindAll() {
  CurlFunctions curl{
      Bind<decltype(CurlFunctions::global_init)>("curl_global_init"),
      Bind<decltype(CurlFunctions::easy_init)>("curl_easy_init"),
      Bind<decltype(CurlFunctions::easy_setopt)>("curl_easy_setopt"),
      Bind<decltype(CurlFunctions::easy_perform)>("curl_easy_perform"),
      Bind<decltype(CurlFunctions::easy_cleanup)>("curl_easy_cleanup"),
      Bind<decltype(CurlFunctions::slist_append)>("curl_slist_append"),
      Bind<decltype(CurlFunctions::slist_free_all)>("curl_slist_free_all"),
      Bind<decltype(CurlFunctions::url)>("curl_url"),
      Bind<decltype(CurlFunctions::url_set)>("curl_url_set"),
      Bind<decltype(CurlFunctions::url_cleanup)>("curl_url_cleanup"),
  };
  // curl_global_init is not thread-safe itself; the function-local static around this makes it so.
  curl.global_init(CURL_GLOBAL_DEFAULT);
  return curl;
}

}  // namespace

const CurlFunctions& Curl() {
  static const CurlFunctions curl = BindAll();
  return curl;
}

}  // namespace vq
