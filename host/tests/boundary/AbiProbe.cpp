// A host source that includes the public header. The build compiles it as it
// is; the ABI guard tests compile it with a standard-library setting that
// the module does not share, and that compile must stop with the header's
// message.
#include <tarniw/TarnIW.h>

int main()
{
    tarniw::CStringArray fields{"OrderNo"};
    return fields.GetSize() == 1 ? 0 : 1;
}
