// A tiny library that the binder tests load at run time; the later build of
// it has one entry point more.
extern "C" {

int probe_twice(int value)
{
    return 2 * value;
}

#ifdef KESTRINE_PROBE_LATER
int probe_later(int value)
{
    return value + 7;
}
#endif
}
