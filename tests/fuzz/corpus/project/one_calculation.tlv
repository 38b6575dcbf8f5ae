4.0
M
1
145	150	
16
MS Sans Serif
0
8
0
0
0
0
1
water/liq.
10.000
998.200
1002.000

suction line
circular/1
Diameter of pipe D in mm: 100.000
Length of pipe L in m: 1.000



0.354
3.53E+0004


turbulent
0.100
0.024



0.153
0.000
