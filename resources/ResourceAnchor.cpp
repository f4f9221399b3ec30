// The resource library holds only compiled-in files; a static library still needs one object of
// its own, and this is it.
namespace velmora::resources {
int anchor()
{
    return 0;
}
} // namespace velmora::resources
