// Route the C++ heap through the allocation routine, so that a failed
// std::string or std::vector growth ends in the same fatal stop.
#include <cstddef>
#include <new>

#include "app/allocation.h"

void* operator new(std::size_t bytes) { return vodrelik::allocate(bytes); }
void* operator new[](std::size_t bytes) { return vodrelik::allocate(bytes); }
void* operator new(std::size_t bytes, const std::nothrow_t&) noexcept { return vodrelik::allocate(bytes); }
void* operator new[](std::size_t bytes, const std::nothrow_t&) noexcept { return vodrelik::allocate(bytes); }
void operator delete(void* block) noexcept { vodrelik::free_block(block); }
void operator delete[](void* block) noexcept { vodrelik::free_block(block); }
void operator delete(void* block, std::size_t) noexcept { vodrelik::free_block(block); }
void operator delete[](void* block, std::size_t) noexcept { vodrelik::free_block(block); }
