#include "editors/h9/h9_diagram_names.h"

#include <QStringList>

namespace {

QString dec(int v) { return QString::number(v); }
QString hex(int v) { return QString::number(v, 16); }

QString diagramPath(const char* folder, const char* prefix, const QStringList& fields)
{
    return QStringLiteral("Picture/733/") + QLatin1String(folder) + QLatin1Char('/') + QLatin1String(prefix)
           + fields.join(QLatin1Char('_')) + QStringLiteral("_0.jpg");
}

} // namespace

int H9CounterInputGroup(quint8 inputMode)
{
    switch (inputMode) {
    case 1: case 6: return 1;
    case 3: case 5: return 3;
    case 4: case 7: return 4;
    default: return 0;
    }
}

QString H9DiagramPathST(quint8 outputModeA)
{
    return diagramPath("Output_ST", "image_Ind_Timer_Out_", {dec(outputModeA)});
}

QString H9DiagramPathSC(quint8 countInputMode, quint8 outputMode)
{
    return diagramPath("Output_SC", "image_Ind_Counter_Out_",
                       {dec(H9CounterInputGroup(countInputMode)), hex(outputMode)});
}

QString H9DiagramPathSF(quint8 outputModeB_F)
{
    return diagramPath("Output_SF", "image_Ind_Freq_Out_", {dec(outputModeB_F)});
}

QString H9DiagramPathDC(quint8 dualCounterMode, quint8 outputMode0, quint8 countInputMode1,
                        quint8 outputMode1)
{
    return diagramPath("Output_DC", "image_Dual_Counter_Out_",
                       {dec(dualCounterMode), dec(outputMode0), dec(countInputMode1), hex(outputMode1)});
}

QString H9DiagramPathDualCounter0(quint8 outputMode0)
{
    return diagramPath("Output_SC", "image_Ind_Counter_Out_1_", {dec(outputMode0 == 0 ? 0 : 4)});
}

QString H9DiagramPathDT(quint8 outputMode0, quint8 outputMode1)
{
    return diagramPath("Output_DT", "image_Dual_Timer_Out_", {dec(outputMode0), dec(outputMode1)});
}

QString H9DiagramPathDF(quint8 outputModeA, quint8 outputModeB)
{
    return diagramPath("Output_DF", "image_Dual_Freq_Out_", {dec(outputModeA), dec(outputModeB)});
}
