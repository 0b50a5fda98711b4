// TEMPORARY STUB
namespace corvane {
void EnableAutostart() { }
void DisableAutostart() { }
} // namespace corvane
