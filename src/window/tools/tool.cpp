#include "tools/tool.h"

#include "frame/tessomar.h"

#include <cstring>

namespace tessomar::tools {

namespace {

bool sameBits(const psd::Column& a, const psd::Column& b) {
    return std::memcmp(a.data(), b.data(), sizeof(float) * a.size()) == 0;
}

} // namespace

bool Tool::follow() {
    const FormState& fs = m_main.fs;
    const bool english = fs.EnglishUnits == kTrue;
    bool changed = !m_started;
    if ((m_reads & kUnits) && english != m_english) changed = true;
    if ((m_reads & kProfile) && !(sameBits(fs.BkFreq, m_freq) && sameBits(fs.BkPsd, m_psd))) changed = true;
    if (!changed) return false;
    m_started = true;
    m_english = english;
    if (m_reads & kProfile) {
        m_freq = fs.BkFreq;
        m_psd = fs.BkPsd;
        m_profile = breakPointReport(m_freq, m_psd);
    }
    update();
    return true;
}

bool Tool::english() const { return m_english; }

std::string titleOf(const char* tool) { return std::string("Tessomar \xE2\x80\x94 ") + tool; }

} // namespace tessomar::tools
