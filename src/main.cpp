#include <cstdio>

int main()
{
    std::puts("Ohmira 6.5.1: the program is built, but its window is not there yet.");
    return 0;
}
