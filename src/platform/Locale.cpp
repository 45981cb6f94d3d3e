#include "platform/Locale.h"

#include <atomic>

namespace {

std::atomic<char> decimalSeparator{','};
std::atomic<char> thousandSeparator{' '};

} // namespace

char DecimalSeparator() {
    return decimalSeparator.load(std::memory_order_relaxed);
}
char ThousandSeparator() {
    return thousandSeparator.load(std::memory_order_relaxed);
}
void SetDecimalSeparator(char c) {
    decimalSeparator.store(c, std::memory_order_relaxed);
}
void SetThousandSeparator(char c) {
    thousandSeparator.store(c, std::memory_order_relaxed);
}
