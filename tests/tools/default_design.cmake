# The default design's figures as brisko-figures prints them.
execute_process(COMMAND ${FIGURES} --preset "Default Design" OUTPUT_VARIABLE out RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "brisko-figures failed: ${rc}")
endif()
foreach(expected
    "DriveWheelDiameter: 4.80\n" "CoredLayers: 4\n" "TotalLayers: 6\n" "CaseWidth: 2\n" "CarWidth: 3\n"
    "CaseInnerDia: 3.817" "CaseOuterDia: 4.817" "BottlesNeeded: 0.75\n" "MaxRealTorque: 0.569999992847443\n"
    "PropulsiveForce: 0.2374999" "Revolutions: 11.8" "ProjectedDistance: 14.87" "TimeTo15: " "TopSpeed: "
    "RunDistance: " "SkidAdvisory: " "FloatingAdvisory: ")
  string(FIND "${out}" "${expected}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "missing '${expected}' in:\n${out}")
  endif()
endforeach()
