#include <string>

#include "platform/fatal.h"
#include "platform/library.h"

namespace vq {

void* BindLibraryFunctionOrDie(const Text& library, const char* function, LibrarySearch search) {
  if (void* bound = BindLibraryFunction(library, function, search)) return bound;
  std::string message = "无法载入库 ";
  message.append(library.View()).append(" 中的函数 ").append(function);
  FatalError(message);
}

}  // namespace vq
