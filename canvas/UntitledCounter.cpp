#include "canvas/UntitledCounter.h"

namespace {
int lastNumber = 0;
}

int UntitledCounter::take()
{
    return ++lastNumber;
}

int UntitledCounter::last()
{
    return lastNumber;
}

void UntitledCounter::setLast(int number)
{
    lastNumber = number;
}
